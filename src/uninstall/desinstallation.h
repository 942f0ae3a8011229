#pragma once
// What the uninstallers remove, as a list of actions over the program folder
// P computed before anything is touched, and the run of such a list; the
// removal of the settings. Nothing here shows a window: the windows ask
// first, then run the list.
//
// Nothing outside P is ever touched: a folder that is a link, or that lies
// behind one, is not emptied (its files would be somebody else's), and
// deleting a file that is a link removes the link, never what it points to.
#include <QString>
#include <QStringList>
#include <vector>

namespace désinstallation {

// P: the folder of the executable, or TROVANE_HOME when set.
QString chemin_application();

enum class opération {
    ordinaire,       // attributes back to ordinary: the owner may read and write
    copie,           // copy chemin to cible, through a temporary file
    supprime,        // delete the file chemin
    retire_dossier,  // remove the folder chemin, which must be empty
    refus,           // chemin is not ours to empty: never done, always a failure
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

// Adds to plan what empties P/relatif and removes it: for each listed file
// N, the operations of `traitement` in order (a copy goes to P/préfixe + N),
// then the removal of the folder. Nothing when nothing of that name is in P;
// a refusal when it is not a real folder of P.
void ajoute_dossier(std::vector<action>& plan, const QString& P, const QString& relatif,
                    const std::vector<opération>& traitement, const QString& préfixe_copie = {});
// Adds the operations of `traitement` on the file P/nom when it is there.
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

// The message that lists what could not be removed, one line a path; a long
// list is cut short.
QString message_échecs(const std::vector<échec>& échecs);

inline const QString crlf = QStringLiteral("\r\n");

}  // namespace désinstallation
