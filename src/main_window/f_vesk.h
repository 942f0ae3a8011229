#pragma once
// The main window: the program starts and ends with it. It shows one table at
// a time in the general grid, opens the work window that fits the table shown,
// and carries the File, display-option, help and about menus.
#include "ui_common/fenetres.h"

#include <QString>
#include <array>
#include <map>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QFrame;
class vue_grille;

// The program folder accepts no file: True when a file cannot be created
// there (a uniquely named test file, removed at once).
bool test_si_sur_cd();

// Told when the default data file does not load at start-up while the copy
// of the last good start is kept: the menu item that brings it back.
inline const QString suite_erreur_démarrage = QStringLiteral(
    " dans la lecture du fichier de données. Le fichier n'a pas été chargé ; la copie prise au dernier démarrage "
    "réussi est gardée : pour la reprendre, utilisez « Récupérer un fichier de sauvegarde » dans le menu Fichier "
    "et ouvrez le fichier trovane.sel qu'il propose. Les données rentrées depuis ce démarrage-là seront perdues.");

// A data file named on the command line, taken whole: one pair of
// surrounding double quotes is removed when present.
QString chemin_ligne_de_commande(const QString& argument);

// What the three action buttons show in a mode: captions and visibility.
struct boutons_mode {
    QString appel_feuilles, imprimer, imprim_2;
    bool appel_visible = true, imprimer_visible = true, imprim_2_visible = true;
};
boutons_mode boutons_pour_mode(const QString& mode);

// What an action button opens in a mode (the window names above), empty for
// nothing; `ferme_catalogue` when the catalogue window closes first and the
// mode goes back to "base"; `maximise` when the window is shown maximised.
struct action_bouton {
    QString fenêtre;
    bool ferme_catalogue = false;
    bool passe_en_catalogue = false;  // mode_grille becomes "catalogue" once shown
    bool maximise = false;
    bool contrôle_archive = false;    // asks contrôle_archive() first
};
enum class bouton_action { appel_feuilles, imprimer, imprim_2 };
action_bouton action_pour(const QString& mode, bouton_action bouton);

class F_vesk : public fenêtre_principale {
public:
    F_vesk();
    ~F_vesk() override;

    // Start-up sequence; argument: the command line's data file, if any.
    void Form_Load(const QString& ligne_de_commande = {});
    void Form_QueryUnload(bool& cancel) override;

    void Op_Click(int index);
    void Bt_appel_feuilles_Click();
    void bt_imprimer_Click();
    void bt_imprim_2_Click();
    void bt_annuler_Click();
    // A press on the grid at row `ligne` (the current row) with button 1 or 2.
    void gg_MouseDown(int bouton);

    // File menu.
    void fichier_Click();
    void ouvrir_la_base_Click();
    void restaure_Click();
    void enr_rep_Click();
    void restaure_repere_Click();
    void enregistrer_click();
    void enregistrer_sous_Click();
    void récup_Click();
    void maj_fichier_Click();
    void archi_Click();

    // Options menu: the settings window.
    void paramètres_Click();

    // Display options.
    void fonds_unis_Click();
    void pas_affiche_grille_Click();
    void pas_image_Click();

    // Help language.
    void aide_fr_Click();
    void aide_ag_Click();

    void ostrane_Click();

    // After every load of a data file.
    void fichier_chargé();
    void image_fond();

    // Controls the tests and other windows look at.
    QPushButton* op(int index) const;
    QPushButton* Bt_appel_feuilles = nullptr;
    QPushButton* bt_imprimer = nullptr;
    QPushButton* bt_imprim_2 = nullptr;
    QPushButton* bt_annuler = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lbl_nbr_pages = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblpb = nullptr;
    QLabel* lbl_pages_blanches = nullptr;
    QFrame* cadre = nullptr;
    vue_grille* vue_gg = nullptr;
    // Menu items by their names (restaure, aide_fr, pas_affiche_grille, ...).
    QAction* menu(const QString& nom) const;
    QMenu* menu_grille(const QString& mode) const;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void place_contrôles();
    void applique_boutons(const QString& mode);
    void place_boutons(int index);
    void ouvre(const action_bouton& action);
    void rafraîchit_mode_courant();
    // After a load: the file's mode chosen, or none.
    void montre_mode_du_fichier();
    // The grid shown while a mode is chosen, unless the user hides it.
    void montre_grille();
    void mets_titre();
    // Before a load replaces the tables, the changes made from the grid and
    // not saved are saved, dropped, or kept with nothing loaded, as the user
    // answers. Nothing when the load must not be made; else whether they are
    // dropped (the load, once made, then clears the mark).
    std::optional<bool> tables_avant_chargement();
    void coche_langue();
    void active_selon_fenêtres();
    QAction* ajoute(QMenu* menu, const QString& nom, const QString& titre, std::function<void()> action = {});

    std::map<int, QPushButton*> op_;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_grille_;
    QString titre_;
    bool fichier_illisible_ = false;  // the default file failed to load at start-up
    bool démarrage_ = false;          // Form_Load runs: the mode waits for the settings
};

// Creates, loads and shows the main window (the program's start).
F_vesk& démarre_trovane(const QString& ligne_de_commande = {});
