#pragma once
// The exchange window: the user chooses the account that pays ("demandeur")
// and the account that is paid ("offreur"), fills in the entry, validates it
// and records it; the recorded lines appear in the window's grid. It saves a
// restore point when it opens and the data file when it closes.
//
// The entry is recorded exactly as validated: validating captures the
// accounts, fields, amount, date and levy; any change made afterwards drops
// that capture and the record button waits for a new validation.
#include "accounts/enregistrement.h"
#include "ui_common/fenetres.h"
#include "ui_common/grille.h"

#include <QString>
#include <array>
#include <map>
#include <optional>
#include <set>

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
    void choisis(QComboBox* liste, int position);  // sets the selection and runs its click
    void synchronise_spin();
    bool cadre_membre_visible() const;
    void remplit_menu_états();

    std::optional<saisie_échange> saisie_validée_;
    std::set<QWidget*> sans_action_;
    bool détruite_ = false;
};
