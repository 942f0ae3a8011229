#pragma once
// Merging chosen parts of another data file of the same archive date into the
// open data: for members and propositions the more recent record wins.
#include <QString>

inline const QString message_date_archivage_différente = QStringLiteral(
    "La récupération des données sur ce fichier est impossible car sa date d'archivage ne correspond pas à celle "
    "de votre fichier");

// True when the merge was made (in memory only; the caller saves).
bool récupérer_données(const QString& chemin, bool adhérents, bool catalogue, bool comptes, bool offres);
