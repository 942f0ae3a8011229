#pragma once
// The balances file of the accounting station: each listed member's balance
// and counters, written beside the data file at every save on that station
// and read back so that its balances win over those of another copy.
//
// The two files are written one after the other, and a save can fail or be
// cut between them. So a balances file is read only when it agrees with its
// data file as that file now stands on disk, member by member: a balances
// file left from an earlier save can never bring back former figures.
#include <QString>

// The data file's folder, plus its name up to the first point, plus "sld":
// /x/trovane.sel gives /x/trovane.sld; a point in a folder name never counts.
QString nom_fichier_soldes(const QString& fichier_données);

// False after telling the user, naming the member whose entry was being
// written; the former balances file then stays as it was.
bool enregistrer_soldes(const QString& chemin);
// Updates der_solde, débits, crédits and volume of the members it names that
// are in the list; the list and its count stay as they are. The balances of
// a member the file names must be those fichier_données holds for him, or
// nothing is read. A missing file reads nothing, silently. False, after
// telling the user and changing nothing, when the file is refused, cannot be
// read or the user stops at a bad item.
bool lire_soldes(const QString& chemin, const QString& fichier_données);
