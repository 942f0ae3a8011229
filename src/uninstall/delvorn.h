#pragma once
// Delvorn, the full uninstaller: removes what Trovane created in its program
// folder P and its settings, or only the settings, then hands over to the
// removal of the installed files that the installation log lists. The button procedures of its window; each
// one ends the program when it returns.
#include "uninstall/boites.h"
#include "uninstall/desinstallation.h"

namespace delvorn {

struct environnement {
    QString P;
    désinstallation::boîtes& b;
    désinstallation::lanceur& l;
};

// Folders emptied and removed, in this order, before the two files and the
// help folder itself.
inline constexpr const char* dossiers_supprimés[] = {
    "archives", "etats", "images", "photos", "repère", "Aide/images",
    "Aide/français", "Aide/allemand", "Aide/anglais", "Aide/espagnol", "Aide/italien"};

// Everything "Désinstaller tout" removes from P, in order. The data file
// stays, and no sub-folder is descended into.
std::vector<désinstallation::action> plan_tout(const QString& P);

// "ST5UNST.EXE -n "P/St5unst.log"": the log path whole, blanks and all.
QString ligne_désinstallateur(const QString& P);

// What "Garder les données" does here, before it is done: the settings go,
// then the installed files the log lists; where the data stay.
QString message_garder_les_données(const QString& P);

// Both buttons first refuse a folder that is not Trovane's (refus_dossier).
// "Désinstaller tout": after a Yes, removes the folders and files of
// plan_tout, tells what it kept and what could not be removed, then
// win_uninstall.
void Command1_Click(const environnement& e);
// "Désinstaller mais Garder les données pour une réinstallation": after the
// notice is accepted, win_uninstall alone.
void Command3_Click(const environnement& e);
// Removes the settings and starts the removal of the installed files when
// the installation log is in P; otherwise says where those files stay.
void win_uninstall(const environnement& e);

}  // namespace delvorn
