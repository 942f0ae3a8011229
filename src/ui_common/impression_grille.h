#pragma once
// Printing a grid as a titled, optionally ruled table: the program's single
// grid printer (grid menus, account windows, statements, member lists,
// statistics). The columns shrink in proportion to fit the width and the font
// shrinks with them; the header row is bold italic and comes again at the top
// of every new page.
#include "ui_common/surface.h"

#include <QString>

class grille;

// Prints grille into the document in progress on imprimante, below what the
// caller printed, with the title on one line above it; largeur is the width
// in twips left to the columns, never more than the sheet takes
// (largeur_grille_imprimable). horizontales: a rule above the grid and below
// every row; verticales: rules left of the grid, between the columns and at
// the right; tronquer: the cells of every column but the last are shortened
// to one line, otherwise they wrap in their column.
//
// A step that fails (a row, a rule, a page break) is told, with the reason
// and " L'impression de la grille pourra être incomplète.", and the printing
// goes on with the next one.
//
// On return the grid is shown and redrawn, the position is at the foot of the
// grid and the font is the scaled grid font, neither bold nor italic. The
// document is not ended: the caller ends it.
//
// A grid whose font would fall below 6 points is not printed: the user is
// told, the document is cancelled (what the caller printed before goes too)
// and arrêt_demandé is set, so that a batch stops. A grid without any column
// width prints its title alone, after the same notice, and leaves the
// document and arrêt_demandé alone.
void imprime_grille(surface_page& imprimante, grille& grille, double largeur, const QString& titre,
                    bool horizontales, bool verticales, bool tronquer);

// The widest a grid prints on a sheet largeur_feuille twips wide: its rules
// then keep on the right the margin they have on the left.
double largeur_grille_imprimable(double largeur_feuille);

// The printer set-up (printer, paper, orientation) on the program's printer;
// cancelling changes nothing.
void configure_imprimante();

// Sum of the grid's column widths, in twips and in millimetres.
double largeur_grille_twips(const grille& g);
double largeur_grille_mm(const grille& g);
