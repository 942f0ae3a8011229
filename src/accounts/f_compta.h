#pragma once
// The exchange window: the user chooses the account that pays ("demandeur")
// and the account that is paid ("offreur"), fills in the entry, validates it
// and records it; the recorded lines appear in the window's grid. The same
// entry can pay or levy every member of a list at once. The last operation
// can be undone, any line shown cancelled by its reverse, the data brought
// back to a restore point, a list of accounts reset, and the grid filled with
// a statement, printed or copied. It saves a restore point when it opens and
// the data file when it closes.
//
// The entry is recorded exactly as validated: validating captures the
// accounts, fields, amount, date and levy; any change made afterwards drops
// that capture and the record buttons wait for a new validation.
#include "accounts/enregistrement.h"
#include "ui_common/fenetres.h"
#include "ui_common/grille.h"
#include "ui_common/suivi_saisie.h"

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollBar;
class vue_grille;

class f_compta : public fenêtre_principale {
public:
    f_compta();
    ~f_compta() override;

    // ------------------------------------------------------------ controls
    QGroupBox *Frame1, *cadre_adhérent, *cadre_compte_adhérent, *cadre_prélever_sur_échange, *cadre_compte_asso,
        *cadre_transaction, *cadre_période;
    // Debited account.
    QLineEdit* num_cpt;
    QComboBox* Liste_comptes;
    QScrollBar* spin_adh;
    QLabel *Label7, *lbl_der_solde;
    QPushButton* bt_extraire_relevé;
    // Credited account and the levy.
    QLineEdit* num_compt_dest1;
    QComboBox* liste_comptes_à_créditer;
    std::array<QPushButton*, 2> bt_plusieurs;
    QLabel *Label10, *lbl_der_solde_offreur;
    QPushButton* bt_extraire_offreur;
    QLineEdit *ctt_per_cent, *ctt_solde_mini, *ctt_montant_min, *ctt_montant_max, *ctt_montant_à_prélever;
    QComboBox* cb_comptes_asso;
    QCheckBox* chk_prélever;
    std::array<QLabel*, 7> Label11;
    // Several accounts.
    QListWidget* liste_comptes_asso;
    QLabel* num_compt_dest2;
    QPushButton *bt_initialiser, *bt_filtres_eleves, *bt_trier;
    // The entry.
    QPushButton *Command1, *bt_nouvelle, *Bt_extraire_deux_comptes;
    std::array<QLabel*, 2> Label4;
    QLabel *Label3, *Label1;
    QLineEdit *ctt_jour_op, *ctt_mois_op, *ctt_an_op, *ctt_ligne_cat, *ctt_libellé, *ctt_code_rubrique, *ctt_montant;
    QComboBox *cb_rub1, *cb_rub2, *cb_rub3, *cb_genre, *cb_kid;
    QPushButton *bt_annul_lig_asso, *bt_annul_ligne_adh, *bt_prélever, *bt_créditer_adh, *bt_créditer_asso,
        *bt_valider;
    // The lines.
    grille gg_compte;
    vue_grille* vue_gg_compte;
    // The period.
    std::array<QRadioButton*, 2> op_test_d;
    QLabel *Label2, *Label6;
    QLineEdit *ctt_jour_dep, *ctt_mois_dep, *ctt_an_dep, *ctt_jour_fin, *ctt_mois_fin, *ctt_an_fin;
    QComboBox *cb_mois, *cb_dernières;
    QPushButton *bt_imprimer, *bt_quitter;
    // Menus.
    QMenu *fic, *extraire, *édition, *avancées, *aide;
    QAction *enr_rep, *rest_rep, *restaure_départ, *zéro_adh, *zéro_cumuls, *aide_sommaire, *aide_echanges, *aide_gr,
        *aide_choix;
    std::map<int, QAction*> ext;
    std::array<QAction*, 3> ed;

    // ------------------------------------------------------------ state
    int offreur = 0;
    bool offreur_choisi = false;
    std::array<int, 13> jours_mois{};  // 1..12
    int mode_extraction = 0;
    double date_opération = 0;
    // aucune_opération_multiple, opération_prélèvement or opération_reversement.
    int dernière_opération_multiple = 0;
    // How many of an account's last lines a statement shows; 0 all of them.
    int nombre_dernières = 0;
    double date_début = 0, date_fin = 0;
    // The validated entry, recorded by bt_créditer_adh; empty until a
    // validation and again after any change.
    const std::optional<saisie_échange>& saisie_validée() const { return saisie_validée_; }

    // ------------------------------------------------------------ handlers
    void Form_Load();
    void Form_QueryUnload(bool& cancel) override;
    void bt_quitter_Click();
    // Selects the entry of the account number num (leading number of the
    // text); an empty num receives the number of the selected entry.
    void cherche_adh_par_num(QComboBox* liste, QString& num);
    void cherche_compte_par_num();
    void Liste_comptes_Click();
    void liste_comptes_à_créditer_Click();
    // Enter in the credited account's number field, or leaving it.
    void num_compt_dest1_Entrée();
    void spin_adh_Change();
    void bt_initialiser_Click();
    void bt_nouvelle_Click();
    void bt_valider_Click();
    void bt_créditer_adh_Click();
    bool même_compte();
    void constitue_code();
    void constitue_liste_sous_rubriques(int section);
    void ctt_ligne_cat_Entrée();
    void ctt_libellé_Entrée();
    void ctt_code_rubrique_Entrée();
    void chk_prélever_Click();
    void cb_rub1_Click();

    // Undo and cancellation.
    void gg_compte_DblClick();
    void constitue_ligne_annulation(int ligne);
    void bt_annul_ligne_adh_Click();
    void bt_annul_lig_asso_Click();
    // Several accounts.
    void bt_plusieurs_Click();
    void bt_créditer_asso_Click();
    void bt_prélever_Click();
    void liste_comptes_asso_Click();
    // Restore points and resets.
    void Command1_MouseDown(Qt::KeyboardModifiers touches);
    void enr_rep_Click();
    void rest_rep_Click();
    void restaure_départ_Click();
    bool avertissement();
    void zéro_adh_Click();
    void zéro_cumuls_Click();
    // Statements, printing, the list of several accounts, help.
    void cb_dernières_Click();
    void op_test_d_Click(int index);
    void cb_mois_Click();
    void bt_extraire_relevé_Click();
    void bt_extraire_offreur_Click();
    void Bt_extraire_deux_comptes_Click();
    void bt_imprimer_Click();
    void ed_Click(int index);
    void bt_filtres_eleves_Click();
    void extraire_Click();
    void bt_trier_Click();
    void ext_Click(int index);

    // The entry as the fields hold it now.
    saisie_échange saisie_en_cours() const;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void ordre_tabulation();
    void colore();
    // Enables a control, unless no action is wired to it yet.
    void active(QWidget* w, bool oui);
    // What was validated no longer stands: the record buttons wait for a new
    // validation.
    void abandonne_validation();
    // The validated entry, while the fields still show it as validated.
    bool validation_tient();
    void choisis(QComboBox* liste, int position);  // sets the selection and runs its click
    void synchronise_spin();
    bool cadre_membre_visible() const;
    void remplit_menu_états();
    // The balances of the two chosen accounts, as they stand.
    void montre_soldes();
    // The entry back to an empty one dated today, after an undo.
    void remet_saisie();
    // The main window's grid lists the newest lines while it shows the accounts.
    void rafraîchit_grille_principale();
    // The grid now shows something else than the last operation's lines:
    // they can no longer be taken off it, nor the operation undone here.
    void grille_remplie();
    void ôte_lignes_affichées();
    void opération_multiple(int opération);
    void extrait_relevé(const QComboBox* liste, int compte);
    // The data changed under the last operation (restored or reset): the
    // validated entry and the undo go; the balances are shown as they are.
    void plus_rien_à_défaire();
    // The tables replaced by a restoring (restore point or start-up copy);
    // false when a window refused to let them go or nothing was loaded.
    bool restaure(bool (*restauration)());
    // Account numbers of the list of several accounts, in its order.
    std::vector<int> comptes_listés() const;
    // The list of several accounts was refilled: its count is shown.
    void compte_liste_asso();
    // Without room in the ledger for an exchange no entry can start; the
    // user is told once when the last recording filled it.
    void suit_place_lignes();
    // After lines were posted or taken back: the grid's columns show them
    // whole, and the entry follows the room left.
    void lignes_postées();

    std::optional<saisie_échange> saisie_validée_;
    // The fields of the entry as validated.
    suivi_saisie suivi_entrée_;
    // Rows the last recorded operation appended to gg_compte.
    int lignes_affichées_ = 0;
    // The last operation recorded here is an exchange that may be undone.
    bool échange_défaisable_ = false;
    std::set<QWidget*> sans_action_;
    bool grand_livre_plein_ = false;
    bool détruite_ = false;
};
