#pragma once
// What the uninstallers remove, as a list of actions over the program folder
// P computed before anything is touched, and the run of such a list; the
// removal of the settings. Nothing here shows a window: the windows ask
// first, then run the list.
//
// They run only in Trovane's own program folder. Nothing outside P is ever
// touched: a link is never followed nor written through. A folder that is a
// link is removed as a link, never emptied, one that lies behind a link is
// left alone, and a link in a folder goes as a link, never what it points
// to. In each folder only the kinds of files Trovane itself writes there go;
// whatever else the user put there, his files and his sub-folders, stays,
// and so does its folder.
#include "uninstall/boites.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace désinstallation {

// P: the folder of the executable, or TROVANE_HOME when set.
QString chemin_application();

// Why nothing may be removed in P, ready to be shown; empty when P is
// Trovane's own program folder: it holds the program `trovane` or the data
// file `trovane.sel`, and it is neither the root, the home folder nor a
// folder that holds the home folder.
QString refus_dossier(const QString& P);
// The root and home part of that check alone.
QString refus_dossier_système(const QString& P);
// Shows the refusal of refus_dossier when there is one; true then.
bool refuse_dossier(const QString& P, boîtes& b);

// The names of the files Trovane writes in its folder P/relatif (patterns,
// whatever the case); none for a folder where only the user puts files.
QStringList fichiers_de_trovane(const QString& relatif);

enum class opération {
    ordinaire,       // attributes back to ordinary: the owner may read and write
    copie,           // copy chemin to cible, through a temporary file; a link cible goes first
    supprime,        // delete the file chemin
    retire_dossier,  // remove the folder chemin, which must be empty
    refus,           // chemin is not ours to empty: never done, always a failure
    garde,           // chemin is the user's file: left as it is, and so is its folder
};

struct action {
    opération op;
    QString chemin;
    QString cible = {};
};

// Classic run-time error numbers, which the older uninstaller shows.
inline constexpr int erreur_fichier_introuvable = 53, erreur_permission = 70, erreur_accès = 75;

struct échec {
    QString chemin;
    int numéro;
};

// Runs the actions in order. With arrêt_première_erreur the first failure
// ends the run; otherwise a failing action is skipped and the next one runs.
std::vector<échec> exécute(const std::vector<action>& actions, bool arrêt_première_erreur);

// The files a file list box shows with the pattern "*.*": every file of the
// folder, hidden ones included, sub-folders left out, in name order.
QStringList fichiers_listés(const QString& dossier);

// Adds to plan what empties P/relatif and removes it: for each plain file N
// of Trovane's in it, the operations of `traitement` in order (a copy goes
// to P/préfixe + N); the removal of each link, alone, but for a link to a
// file of the user's; every other file and every sub-folder not planned
// before is kept; then the removal of the folder unless something in it, or
// in a sub-folder planned before, is kept. Nothing when nothing of that name
// is in P, when it is not a folder or when it lies behind a link; the
// removal of the link alone when it is one.
void ajoute_dossier(std::vector<action>& plan, const QString& P, const QString& relatif,
                    const std::vector<opération>& traitement, const QString& préfixe_copie = {});
// Adds the operations of `traitement` on the file P/nom when it is there
// (a link: the link).
void ajoute_fichier(std::vector<action>& plan, const QString& P, const QString& nom,
                    const std::vector<opération>& traitement);

// Something of that path is on disk, a broken link included.
bool présent(const QString& chemin);

// The settings store: an INI file, organisation and application "Trovane".
QString fichier_réglages();
// Removes the sections "sel", "répertoires" and "Utilisateur", in this order.
void efface_sections_réglages();
// Removes the three sections, then the application key "Trovane" itself:
// whatever else it holds, and its file.
void efface_clé_réglages();

// A title, then one path a line; a long list is cut short.
QString liste_chemins(const QString& titre, const QStringList& chemins);
// The message that lists what could not be removed, one line a path; a long
// list is cut short.
QString message_échecs(const std::vector<échec>& échecs);
// The user's files that a plan keeps, and the message that lists them.
QStringList gardés(const std::vector<action>& plan);
QString message_gardés(const QStringList& chemins);

inline const QString crlf = QStringLiteral("\r\n");
// The last line of every refusal.
inline const QString rien_supprimé = QStringLiteral("Rien n'a été supprimé.");

}  // namespace désinstallation
