#pragma once
// The program folder P and what lives in it. P is the executable's folder, or
// TROVANE_HOME when set; files shipped with the program are always read from
// the executable's folder.
#include <QString>

QString dossier_programme();
QString dossier_installation();
// Tests and portable set-ups point P elsewhere; empty means the default again.
void fixe_dossier_programme(const QString& dossier);

// A path inside P: chemin_programme("repère/trovane.sel").
QString chemin_programme(const QString& relatif);
// chemin (relative to P when relative) as an absolute path when it lies
// inside P, below P itself; empty when it leads anywhere else.
QString dans_dossier_programme(const QString& chemin);

inline constexpr const char* nom_fichier_défaut = "trovane.sel";
inline constexpr const char* sous_dossiers[] = {"archives", "repère", "images", "photos", "etats",
                                                "Aide/français", "Aide/anglais", "Aide/images"};

QString fichier_données_défaut();  // P/trovane.sel
QString fichier_repère();          // P/repère/trovane.sel
QString copie_départ();            // P/archives/trovane.sel

// Two paths name the same file (canonical paths when they exist).
bool mêmes_chemins(const QString& a, const QString& b);

// The copies the program writes over on its own (the restore point at every
// load, the start-up copy at every start): no work is saved there, nor
// taken there as the working file. When chemin names one, which one, as
// "du point de repère" or "de la copie de démarrage"; else empty.
QString copie_du_programme(const QString& chemin);
