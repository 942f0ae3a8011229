#pragma once
// Writing files so that a failure never leaves a half-written one: every file
// goes to a temporary file beside its target and is renamed over it.
#include <QByteArray>
#include <QString>
#include <optional>

// French description of why a file could not be read or written.
QString description_erreur_fichier(const QString& chemin, bool écriture);

bool écrit_fichier_sûr(const QString& chemin, const QByteArray& octets, QString& erreur);
std::optional<QByteArray> lit_fichier(const QString& chemin, QString& erreur);
// Copies source over cible through a temporary file; never a file onto itself
// (that counts as done).
bool copie_fichier_sûre(const QString& source, const QString& cible, QString& erreur);
// A file of the folder whose name matches nom without regard to case.
QString trouve_sans_casse(const QString& dossier, const QString& nom);

// A picture or photo path as the data file stores it (often written on
// another machine, with \ as separator): the file as stored, else with / for
// \, else inside P, else its name looked up without regard to case in
// P/images, P/photos, dossier_images and P. Empty when none exists.
QString trouve_fichier_stocké(const QString& stocké);
