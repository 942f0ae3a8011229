#pragma once
// A way back for the exchange window: the restore point (a copy of the data
// that the user sets at will, and the window when it opens) and the copy of
// the data file taken at start-up, each of which can be reloaded over the
// data in memory; and the two resets of a list of accounts.
#include <QString>
#include <vector>

// Writes the data in memory to the restore point, P/repère/trovane.sel (its
// folder is made when missing). Nothing is written while nothing may be
// saved or while an archive file is open.
bool pose_point_repère();
// The same, written by a thread of its own from the data as they are now
// (enregistrer_fichier_en_fond): the exchange window opens meanwhile, and
// what records or resets waits for it first.
bool pose_point_repère_en_fond();
// Why no restore point can be written now; empty when one can.
QString raison_sans_point_repère();

// Reload the restore point, or the start-up copy P/archives/trovane.sel,
// over the data in memory; fichier_courant stays, so the next save writes the
// restored data over the open file. A file that cannot be read is told and
// changes nothing. After a reload, the last operation can no longer be
// undone. The restore point is refused, with a message, while it holds older
// data than the last one set (point_repère_à_jour): its writing failed.
bool restaure_point_repère();
bool restaure_copie_départ();

// The warning shown before either reset.
QString texte_avertissement_remise();
// The confirmations of the two resets.
QString texte_remise_soldes();
QString texte_remise_cumuls();

// Member accounts of the list get the starting balance solde_départ,
// association accounts 0. No line is written.
bool remet_soldes(const std::vector<int>& comptes);
// Debit and credit counts and volumes of the listed accounts become 0.
bool remet_cumuls(const std::vector<int>& comptes);
// Both resets are refused whole, with a message, when a number of the list
// names no account; after a reset the last operation can no longer be
// undone.
