#pragma once
// The balances file of the accounting station: each listed member's balance
// and counters, written beside the data file at every save on that station
// and read back so that its balances win over those of another copy.
//
// The two files are written one after the other, and a save can fail or be
// cut between them. So a balances file is read only when it agrees with its
// data file as that file now stands on disk, member by member: a balances
// file left from an earlier save can never bring back former figures.
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// The data file's folder, plus its name up to the first point, plus "sld":
// /x/trovane.sel gives /x/trovane.sld; a point in a folder name never counts.
QString nom_fichier_soldes(const QString& fichier_données);

// False after telling the user, naming the member whose entry was being
// written; the former balances file then stays as it was.
bool enregistrer_soldes(const QString& chemin);
// The same in two steps, so that the data can go on changing once the first
// is done: the file's bytes made from the data as they are now, then written
// by a thread that tells nobody: écrit_soldes gives what the user is to be
// told (empty when written), signale_soldes_non_enregistrés tells it.
struct soldes_à_écrire {
    QByteArray octets;
    std::vector<std::pair<qsizetype, int>> entrées;  // where each member's entry starts, and its number
};
soldes_à_écrire soldes_en_mémoire();
QString écrit_soldes(const QString& chemin, const soldes_à_écrire& soldes);
void signale_soldes_non_enregistrés(const QString& message);
// Updates der_solde, débits, crédits and volume of the members it names that
// are in the list; the list and its count stay as they are. The balances of
// a member the file names must be those fichier_données holds for him, or
// nothing is read. A missing file reads nothing, silently. False, after
// telling the user and changing nothing, when the file is refused, cannot be
// read or the user stops at a bad item.
bool lire_soldes(const QString& chemin, const QString& fichier_données);
