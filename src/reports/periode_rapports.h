#pragma once
// What the two report windows decide from their period and last-operations
// controls, apart from the fields themselves: the check of a typed period
// date, the fields of a whole month, the line range of the last operations,
// and the number forms of the totals rows.
#include "accounts/extraction_comptes.h"
#include "data/valeurs.h"

#include <QString>
#include <array>
#include <optional>

// A period date typed day, month and year: the month a whole number from 1
// to 12, the year from 1999 to two years after the current one, and the day
// one that this month has in that year. Nothing is said.
bool date_période_acceptée(const QString& jour, const QString& mois, const QString& an);
// The same, telling the user of a refused date.
bool contrôle_date_période(const QString& jour, const QString& mois, const QString& an);
// The date of the three fields (day first); nothing when they make no date.
std::optional<double> date_des_champs(const QString& jour, const QString& mois, const QString& an);

// The last-operations choice, position 0 "toutes" to 5 "25 dernières".
struct dernières_opérations {
    int première_ligne = 0;  // first line of the ledger the choice covers
    int dernière_ligne = 0;  // the ledger's line count when it was made
    int nombre = 0;          // how many lines an extraction takes; 0 all
};
// Any other position keeps the first line (and the count) it had.
dernières_opérations choix_dernières(int position, int nombre_lignes, const dernières_opérations& avant);

// A table cell read for a total: blanks skipped, "," or "." as decimal
// separator, reading stops where no number can go on; an empty cell is 0.
monnaie montant_de_cellule(const QString& texte);
