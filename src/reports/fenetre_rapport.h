#pragma once
// What the account-state window and the statement window share: the account
// list with its number field, spinner, kinds, full list, selection menu,
// saved selections and member filter; the period typed or chosen as a month;
// the last operations; the grid with its font, size, Edit menu and title;
// the printer set-up; closing, which saves the data file. Each window
// places these controls itself and supplies its extraction and its account
// click.
#include "accounts/saisie_compta.h"
#include "reports/etats_comptes.h"
#include "ui_common/fenetres.h"
#include "ui_common/grille.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QToolButton;
class surface_imprimante;
class vue_grille;

// Option buttons of one choice: each set its own group, as nested frames
// would otherwise mix the sets of a window.
template <std::size_t N>
void groupe_exclusif(QObject* parent, const std::array<QRadioButton*, N>& options)
{
    auto* groupe = new QButtonGroup(parent);
    for (QRadioButton* o : options)
        groupe->addButton(o);
}

class fenêtre_rapport : public fenêtre_principale {
public:
    ~fenêtre_rapport() override;

    // ------------------------------------------------------------ controls
    QWidget* centre;
    QGroupBox *cadre_adhérent, *cadre_période;
    std::array<QRadioButton*, 3> op_qui;
    QListWidget* Liste_comptes;
    QPushButton *bt_filtres_eleves, *bt_trier, *bt_initialiser, *bt_extraire_relevé;
    QToolButton *bt_config_imprime, *bt_imprimer, *bt_quitter;
    QLineEdit* num_cpt;
    QScrollBar* spin_adh;
    QLabel* nbr_listcount;
    QLineEdit *ctt_jour_dep, *ctt_mois_dep, *ctt_an_dep, *ctt_jour_fin, *ctt_mois_fin, *ctt_an_fin;
    QLabel *lbl_du_mois, *lbl_au, *lbl_dernières;
    QComboBox *cb_mois, *cb_dernières, *cb_police_crédit, *cb_taille_crédit;
    QLineEdit* lbl_titre;
    grille gg_compte;
    vue_grille* vue_gg_compte;
    QLabel *lbl_débits, *lbl_crédits, *lbl_volume, *lbl_der_solde;
    std::array<QLabel*, 4> légendes_chiffres;
    QMenu *extraire, *édition, *aide;
    std::map<int, QAction*> ext;
    std::array<QAction*, 5> cpt;

    // ------------------------------------------------------------ state
    std::array<int, 13> jours_mois{};
    bool période_choisie = false;
    int première_ligne = 0, dernière_ligne = 0;
    int nombre_dernières = 0;  // lines the last-operations choice takes; 0 all
    double date_dep = 0, date_fin = 0;
    // Printing goes to the program's printer, or to this surface when set.
    surface_page* papier_essai = nullptr;

    // ------------------------------------------------------------ handlers
    virtual void bt_extraire_relevé_Click() = 0;
    virtual void Liste_comptes_Click() = 0;
    virtual void bt_initialiser_Click() = 0;
    virtual void bt_filtres_eleves_Click() = 0;
    // Checks a period date; a refused one is told.
    bool dt(const QString& jour, const QString& mois, const QString& an);
    void cb_mois_Click();
    void cb_dernières_Click();
    void enlever_comptes_asso();
    void enlever_comptes_adh();
    void Op_qui_Click(int index);
    // The option of the accounts listed and the buttons that go with it,
    // the list left as it is.
    void montre_qui(int index);
    // An empty num receives the number of the selected entry; otherwise the
    // first entry of that number is selected.
    void cherche_adh_par_num(QString& num);
    void spin_adh_Change();
    void cb_police_crédit_GotFocus();
    void cb_police_crédit_Click();
    void cb_taille_crédit_Click();
    // The size chosen given to the grid, nothing extracted; false when the
    // entry is no size.
    bool prend_taille_crédit();
    void cpt_Click(int index);
    void bt_config_imprime_Click();
    void bt_quitter_Click();
    void Form_QueryUnload(bool& cancel) override;
    void extraire_Click();
    virtual void bt_trier_Click();
    void ext_Click(int index);

    // Selects the entry at position (none when there is no such entry) and
    // runs the list's click.
    void choisis_compte(int position);
    // Account numbers of the list, in its order; the selected one (0 none).
    std::vector<int> comptes_listés() const;
    int compte_choisi() const;
    // Which lines an extraction takes, as the period controls stand.
    choix_lignes choix() const;

protected:
    fenêtre_rapport();
    // Controls of both windows, parented to centre; each window places them.
    void crée_contrôles_communs();
    // The "Extraire" and "&Edition" menus; the help menu is each window's.
    void crée_menus_communs();
    void branche_contrôles_communs();

    // Puts w into parent (once) at the given place, in design pixels.
    static void place(QWidget* w, QWidget* parent, int x, int y, int l, int h);
    // The account frame (from haut, hauteur high, its list liste high) and
    // the four account figures below it (from haut_chiffres, one every pas).
    void place_comptes(int haut, int hauteur, int liste, int haut_chiffres, int pas, int largeur_chiffres);

    // The state window's period mode follows the month and last-operations
    // choices; the statement window has its own option for it.
    virtual void période_par_mois() {}
    virtual void période_par_dernières() {}
    virtual void après_tri() {}
    virtual QString nom_grille_enregistrée() const = 0;

    void remplit_liste(const std::vector<entrée_liste>& entrées);
    void montre_nombre_comptes();
    // The four labels of an account's figures.
    void montre_chiffres(int compte);
    void active_dates(bool oui);
    void synchronise_spin();
    // Selects the last-operations choice at position and runs its click.
    void choisis_dernières(int position);
    // Selects the month (0..11) and runs its click; without extraire, the
    // month's dates are only put in the period fields.
    void choisis_mois(int position, bool extraire = true);
    // The month chosen put in the period fields; false when none is chosen.
    bool prend_mois();
    void remplit_listes_période();
    surface_page& papier();

    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void remplit_menu_états();

    std::unique_ptr<surface_imprimante> imprimante_;
};
