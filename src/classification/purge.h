#pragma once
// Purge of the propositions deleted for the supplement (status 2) and
// eliminated (status 3): they leave the list order for good, their slots
// become free. The tables change in memory only; the next save writes them.
#include <QString>

// How many propositions the purge would remove.
int nombre_propositions_à_purger();

// Removes them, keeps the others in their order and slots, and tells the
// user how many went. Returns that number.
int purge_offres_demandes();

inline const QString suite_message_purge = QStringLiteral(" lignes ont été supprimées du catalogue.");
