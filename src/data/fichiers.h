#pragma once
// Writing files so that a failure never leaves a half-written one: every file
// goes to a temporary file beside its target, reaches the disk, and only then
// replaces the target. Any failed step (write, sync, close, rename) fails the
// write and leaves the former file whole.
#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

// French description of why a file could not be read or written, from what
// the file system shows of it (no system error code at hand).
QString description_erreur_fichier(const QString& chemin, bool écriture);
// French description of a system error code met while writing chemin.
QString description_erreur_système(int code, const QString& chemin);

// octets_remis, when given, receives how many bytes the system accepted
// before a failure (all of them when the failure came after the writing).
bool écrit_fichier_sûr(const QString& chemin, const QByteArray& octets, QString& erreur,
                       qsizetype* octets_remis = nullptr);
std::optional<QByteArray> lit_fichier(const QString& chemin, QString& erreur);
// Removes from dossier the temporary files of any target that writes killed
// half-way left behind (each write removes its own target's first).
void efface_restes_d_écriture(const QString& dossier);
// A file can be created in dossier (one of its own name, removed at once).
bool dossier_accepte_écriture(const QString& dossier);
// Copies source over cible through a temporary file; never a file onto itself
// (that counts as done).
bool copie_fichier_sûre(const QString& source, const QString& cible, QString& erreur);
// A file of the folder whose name matches nom without regard to case.
QString trouve_sans_casse(const QString& dossier, const QString& nom);

// dossier_images as a path, when it names a folder inside P (with / for \);
// empty when it is empty or leads elsewhere.
QString dossier_images_du_programme();

// A picture or photo path as the data file stores it (often written on
// another machine, with \ as separator): the file as stored (relative to P),
// else with / for \, else its name looked up without regard to case in
// P/images, P/photos, dossier_images and P. Only a file inside P is found:
// a path or a dossier_images leading elsewhere counts as no file. Empty when
// none exists.
QString trouve_fichier_stocké(const QString& stocké);

// The system calls of the safe write, in the order it makes them. Tests
// replace them to make any step fail as a full or failing disk would; the
// program always uses the system's own.
struct appels_fichiers {
    int (*ouvre)(const char* chemin, int options, mode_t droits);
    ssize_t (*écrit)(int fd, const void* octets, size_t taille);
    int (*synchronise)(int fd);  // the written file's content to the disk
    int (*ferme)(int fd);
    // Gives the unnamed temporary file its name (linkat).
    int (*lie)(int dossier_source, const char* source, int dossier_cible, const char* cible, int options);
    int (*renomme)(const char* source, const char* cible);
    int (*efface)(const char* chemin);
    int (*synchronise_dossier)(int fd);  // the new name to the disk
};
const appels_fichiers& appels_système();
// nullptr puts the system's calls back.
void installe_appels_fichiers(const appels_fichiers* appels);
