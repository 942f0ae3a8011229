#pragma once
// The two tables of the account-state window, built in its grid over the
// accounts of its list: the exchange vouchers of a period or of the last
// operations, closed by a total row, and the state of the accounts, closed
// by a totals row; their titles, the grid's printed width and the printing.
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QString>
#include <optional>
#include <vector>

// Which lines a table or a statement takes: those of the period (operation
// date between début and fin, both included), or the last `nombre` ones
// (0: all).
struct choix_lignes {
    bool période_choisie = false;
    int nombre = 0;
    double début = 0, fin = 0;
};

// Why the vouchers (bons) or the state cannot be built, or nothing when they
// can: the vouchers come from the account lines, the state from the members.
std::optional<QString> refus_tableau(bool bons);
// The grid of the kind as it stands before any row: its header alone.
void vide_tableau(grille& g, bool bons);

// Vouchers between the listed accounts, then the row "Total des échanges ..."
// with the sum of the amounts.
void remplit_tableau_bons(grille& g, const choix_lignes& choix, const std::vector<int>& comptes);
// One state row per listed account, in list order, then the row "Totaux: "
// with the sums of the counts, volumes and balances.
void remplit_tableau_état(grille& g, const std::vector<int>& comptes);

// "Relevé des échanges  (5 dernières opérations)" or "Relevé des échanges
// ( du 01/12/2026 au 31/12/2026)"; texte_dernières is the last-operations
// choice as shown.
QString titre_bons(const choix_lignes& choix, const QString& texte_dernières);
// "Etat des comptes au  14/03/2026".
QString titre_état();

// Sum of the column widths, in whole millimetres.
int largeur_état_mm(const grille& g);

// Prints the grid under its title from 1000 twips down, ruled both ways, at
// its own width when the sheet takes it (800 twips of margin each side),
// then ends the document.
void imprime_tableau_état(surface_page& papier, grille& g, const QString& titre, double largeur_mm);
