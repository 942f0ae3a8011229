#pragma once
// Grids filled from the ledger: account lines of one account or of all
// accounts (the last ones or those of a period), exchange vouchers, account
// states and a member's offers and requests. Each fill writes its headers
// first, adds one TAB-separated row per item and fits the columns. The
// tables are only read.
#include "ui_common/grille.h"

#include <QString>
#include <vector>

// Modes of the fills: the last N matching lines (N of 0 or less: all), or
// the lines whose operation date lies between two dates, both included. Any
// other mode leaves the headers alone.
inline constexpr int mode_dernières = 0;
inline constexpr int mode_période = -1;

// Header routines: clear the grid, leave the header row only, set the
// columns (no fixed column) and write the headers.
// Account lines: 15 columns, the last without header; the short form keeps
// the first seven (dates, description, credit, debit, balance, partner).
void entête_grille_écritures(grille& g, bool forme_courte);
void entête_grille_bons(grille& g);
void entête_grille_état(grille& g);
void entête_grille_offres(grille& g);
// The full account-line headers on the main window's grid.
void prépare_grille_écritures(grille& gg);

// Row texts.
QString compose_ligne_écriture(int indice);  // line of table_lignes_compte
QString compose_ligne_bon(int indice);       // line of table_lignes_compte
QString compose_ligne_état(int compte);      // account number
QString compose_ligne_offre(int numéro);     // proposition number (a slot of the display order)

// Lines of one account (and of one partner unless partenaire is -1), newest first.
void remplit_relevé_compte(grille& g, int nombre, int compte, int mode, double début, double fin,
                           bool forme_courte, int partenaire);
// Lines of every account, newest first.
void remplit_écritures_période(grille& g, int nombre, int mode, double début, double fin);
// Credit lines whose owner and partner are both among comptes, oldest first.
void remplit_bons_échange(grille& g, int nombre, int mode, double début, double fin, const std::vector<int>& comptes);
// One state row per account of comptes, in their order.
void remplit_état_comptes(grille& g, const std::vector<int>& comptes);
// A member's current offers, then requests, in display order.
void remplit_relevé_catalogue(grille& g, int membre);
