#pragma once
// Two ways back from a recorded movement: the undo of the last recording,
// which takes its lines back out of the ledger, and the cancellation line,
// which records the reverse of a line shown in an account-line grid as a new
// exchange.
#include "accounts/enregistrement.h"
#include "ui_common/grille.h"

#include <QString>
#include <optional>
#include <vector>

// Undoes what the last recording posted, as the journal holds it: newest
// line first, each line's amount goes back off its account's balance, its
// counter loses one and its volume the amount; the lines leave the ledger.
// Refused, after a message and changing nothing, when the journal no longer
// matches the ledger (lines added, removed or reloaded since, counters
// reset). Returns the number of lines taken out.
std::optional<int> défait_dernière_opération();

// Description of a cancellation line.
inline const QString préfixe_annulation = QStringLiteral("annul.");

// What the cancellation of one grid row records.
struct ligne_à_annuler {
    QString description;     // the row's, after "annul."
    QString description_ligne;  // the row's as shown
    QString montant;         // the row's credit column, then its debit column
    QString code_rubrique;
    int genre = -1;
    int catégorie = -1;      // index into catégories_public of the row's label; -1 none
    int débité = 0;          // pays the reverse movement
    int crédité = 0;         // receives it
    // The row is itself a cancellation: cancelling it records the cancelled
    // exchange again, under its own description.
    bool rétablit = false;
};

// Tells why no cancellation line is made for an account that the window's
// lists do not hold: a member who has left them (deleted or eliminated), an
// association account without a name, or a number that names no account.
void refuse_annulation_hors_listes(int compte);

// Reads a row of an account-line grid (the 14 fields of a line). A debit
// row of its owner (nothing in its credit column) gives its owner back the
// amount from its partner; a credit row the reverse. Nothing for a row
// outside the grid's data rows or a grid of fewer than 14 columns.
std::optional<ligne_à_annuler> ligne_à_annuler_de(const grille& g, int ligne);

// Records the reverse exchange s (accounts, amount, fields of the
// cancellation, without any levy), then winds back both accounts so that
// their counters and volumes are as before the cancelled movement: each
// account's counters lose one in each direction and its volume the amount
// twice once the reverse is posted, never below zero. For
// a row that was itself a cancellation (rétablit), the exchange is recorded
// as an ordinary one. Every check first, then all or nothing; the lines are
// appended to each grid. The journal is then empty: the undo cannot replay a
// winding back.
bool enregistre_annulation(const saisie_échange& s, bool rétablit, const std::vector<grille*>& grilles = {});
