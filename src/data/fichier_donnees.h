#pragma once
// The data file: the whole data model in fifteen groups of items, always
// rewritten whole. Saves go through a temporary file; loads read into a copy
// of the model and swap it in only when every item read.
#include "data/elements.h"
#include "data/modele.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

// Items of a whole data file for d.
QByteArray écrit_données(const données_sel& d);
// Reads a data file into d, which holds the former values: records the file
// does not name keep them. étapes_finales: how many of the five closing steps
// to read (each only while the file has more). Throws erreur_lecture.
void lit_données(const QByteArray& octets, données_sel& d, int étapes_finales = 5);
// The model read from octets over ancien, equal to lit_données over a copy
// of ancien, without copying ancien's tables first. ancien's tables are set
// aside meanwhile and come back as they were, also when it throws.
std::unique_ptr<données_sel> lit_données_après(const QByteArray& octets, données_sel& ancien,
                                               int étapes_finales = 5);

inline const QString suite_erreur_lecture = QStringLiteral(
    " dans la lecture du fichier de données. Vous pouvez utiliser le menu fichier pour ouvrir le dernier "
    "fichier valide. Les données rentrées depuis la dernière ouverture seront perdues.");

// Writes the data model to chemin (and the balances file on the accounting
// station). Skipped, reporting false, while nothing may be saved or, without
// forcer, while an archive copy is open. A failure offers Retry and Cancel;
// the former file stays whole; its box shows the failure's cause followed
// by suite_échec. Only a save of fichier_courant clears
// tables_changées_non_enregistrées.
bool enregistrer_fichier(const QString& chemin, bool forcer, const QString& suite_échec = {});
// The same save of the data as they are now (without forcer), the writing
// and its syncs done by a thread of their own while the program goes on, and
// may change the data. The next save, opening or reading of a balances file
// waits for it first, as does attend_enregistrement_en_fond(): a failure is
// told there, with its Retry and Cancel, as are data that cannot be written.
// False when nothing was started (no saving allowed, an archive open).
bool enregistrer_fichier_en_fond(const QString& chemin, const QString& suite_échec = {});
// Saves of the open file (fichier_courant), counted from the start of the
// run: what is posted in memory keeps the count of its posting.
std::uint64_t enregistrements_du_fichier_courant();
// What was posted at count `posé` has just been taken back in memory: when a
// save of the open file has written it since, the file is written again, so
// that what is taken back in memory is taken back on disk too. Every taking
// back of a posted thing goes through here.
void reprend_sur_disque(std::uint64_t posé);
// Waits for the save started by enregistrer_fichier_en_fond, if one is under
// way, and tells its failure; false when it failed and was not retried.
bool attend_enregistrement_en_fond();
// Why an ordinary save writes nothing now ("le dossier du programme n'accepte
// aucune écriture", or an archive copy is open); empty when it writes.
QString raison_sans_enregistrement();
// The tables hold changes made from the grid that a save would keep.
bool tables_à_enregistrer();
// The file as this start loaded it (lus) becomes the start-up copy; a
// failure to write it is told. Until this start has its copy (none when
// lus is null: nothing was loaded), restoring it is refused.
void prend_copie_départ(const QByteArray* lus);
// False, after telling why, when chemin is one of the program's own copies
// (restore point, start-up copy) that does not hold what it was last meant
// to: restoring it would bring back older data.
bool copie_restaurable(const QString& chemin);
// False from the moment a writing of the restore point failed, was
// cancelled or could not be made (nothing may be saved), until one succeeds:
// the restore point then holds older data than the last one set, and
// restoring it is refused with message_point_repère_pas_à_jour().
bool point_repère_à_jour();
QString message_point_repère_pas_à_jour();
// Replaces the data model with the file at chemin; on failure the model is
// untouched and the user is told. Does not change fichier_courant. The
// loaded file becomes the restore point unless rafraîchit_repère is false
// (the extraction's replacing load keeps the copy it has just taken). A
// failure is told as its cause followed by suite_échec. lus, when given,
// receives the bytes the model was read from (the file as it was loaded).
bool ouvrir_fichier(const QString& chemin, bool rafraîchit_repère = true,
                    const QString& suite_échec = suite_erreur_lecture, QByteArray* lus = nullptr);
// The model a load replaced is freed by a thread of its own; this waits
// until it is.
void attend_modèles_remplacés();
// True, after telling the user, when the open file is an archive copy.
bool contrôle_archive();

inline const QString message_archive_ouverte = QStringLiteral(
    "Le fichier que vous ouvrez est un fichier d'archive pour consultation. Aucune modification ne pourra être "
    "enregistrée.");
