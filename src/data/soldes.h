#pragma once
// The balances file of the accounting station: each listed member's balance
// and counters, written beside the data file at every save on that station
// and read back so that its balances win over those of another copy.
#include <QString>

// The data file's folder, plus its name up to the first point, plus "sld":
// /x/trovane.sel gives /x/trovane.sld; a point in a folder name never counts.
QString nom_fichier_soldes(const QString& fichier_données);

void enregistrer_soldes(const QString& chemin);
// Updates der_solde, débits, crédits and volume of the members it names that
// are in the list; the list and its count stay as they are.
void lire_soldes(const QString& chemin);
