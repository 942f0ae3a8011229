#pragma once
// The history tables: the quarters of evolstat.dat, oldest first, one row
// each, with the members', the catalogue's or the exchanges' figures.
#include <QString>

class grille;

// 0 members, 1 catalogue (offers, requests and each named genre),
// 2 exchanges.
void lit_évolution_adhérents(grille& gg);
void lit_évolution_catalogue(grille& gg);
void lit_évolution_échanges(grille& gg);

// Fills the grid with the table chosen (0..2), fits its columns and returns
// its title; any other choice leaves the grid alone and gives no title.
QString construit_évolution(grille& gg, int choix_évolution);
