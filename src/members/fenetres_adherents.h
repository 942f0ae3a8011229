#pragma once
// The member register window f_adhérents: one member at a time in editable
// fields, the list of members, new members, deletion and restoration, the
// registration credit and the entry aids of its fields. The window wires its
// controls to the procedures of fiche_adherent.h, registre.h,
// credit_inscription.h and aides_saisie.h.
#include "members/credit_inscription.h"
#include "members/registre.h"
#include "ui_common/fenetres.h"
#include "ui_common/suivi_saisie.h"

#include <array>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// Registers f_adhérents and the member filter box p_filtrfam with the window
// registry, and plugs the restoring of saved selections in (charge_etat).
void enregistre_fenêtres_adhérents();

class f_adhérents : public fenêtre {
public:
    f_adhérents();

    // Creation: fills the lists from the shared tables.
    void Form_Load();
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_QueryUnload(bool& cancel) override;
    bool valide_avant_chargement() override;

    // ---- the shown member (4.101)
    void liste_adhérents_Click();
    void cherche_adh_par_num();
    void num_adhérent_GotFocus();
    void num_adhérent_Entrée();
    void num_adhérent_LostFocus();
    void spin_adh_GotFocus();
    void spin_adh_Change();
    void ob_kid_Click(int index);
    void ob_kid_MouseDown(int index);
    void maj_adh_Click();
    void maj_prop_Click();
    void sommaire_aide_Click();
    void tec_adh_Click();

    // ---- validation (4.102); true when the record was stored
    bool bt_valider_Click();
    bool bt_modifier_Click();
    void bt_modif_nom_Click();
    void applique_identifiant();
    void inf_modif();

    // ---- new member, deletion, restoration (4.103)
    void bt_nouvelle_Click();
    void bt_supprimer_Click();
    void cb_statut_Click(int index);
    void bt_offres_demandes_Click();
    void bt_imprimer_Click();
    void bt_quitter_Click();

    // ---- registration credit and balance correction (4.104)
    void bt_créditer_adh_Click();
    void bt_modifier_solde_Click();

    // ---- entry aids (4.105)
    void cherche_ville();
    void cherche_code_p();
    void prend_ville();            // the city typed, on Enter or on leaving the field
    void retire_ville();           // Shift+Suppr in the city field
    void ctt_prénom_LostFocus();   // identifier applied, then the duplicate check
    void renomme_entrée(QComboBox* liste, bool par_saisie);  // Enter (false) or Inser (true)
    void bt_parcourir_Click();

    // The window holds a new member not yet validated.
    bool mode_nouveau() const { return nouveau_en_cours_; }
    // A field of the record shown was entered or touched, or shows something
    // else than the record stored, since it was shown or validated. Each
    // window keeps its own.
    bool modification_en_attente() const { return modifiée_ || saisie_.modifiée(); }
    // Number of the member shown (0 while none is, or while a new one is typed).
    int numéro_affiché() const { return numéro_affiché_; }
    // The fields as they stand, and the titles and list names.
    champs_adhérent champs_affichés() const;
    noms_critères noms_affichés() const;

    // Controls, named as the program has always named them.
    QLineEdit* num_adhérent = nullptr;
    QComboBox* Liste_adhérents = nullptr;
    QScrollBar* spin_adh = nullptr;
    QLineEdit* ctt_prénom = nullptr;
    QLineEdit* ctt_nom_pour_adresse = nullptr;
    QComboBox* cb_civilité = nullptr;
    QLineEdit* ctt_rue = nullptr;
    QLineEdit* ctt_cp = nullptr;
    QComboBox* cb_ville = nullptr;
    QLineEdit* ctt_tel1 = nullptr;
    QLineEdit* ctt_tel2 = nullptr;
    QLineEdit* ctt_e_mail = nullptr;
    QLineEdit* ctt_nom_photo = nullptr;
    QLabel* picture1 = nullptr;
    QLineEdit* ctt_date_adh = nullptr;
    QLineEdit* ctt_date_cot = nullptr;
    QComboBox* cb_sexe = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 3> ob_kid{};
    QComboBox* cb_statut = nullptr;
    QComboBox* cb_nat = nullptr;
    QComboBox* cb_qual = nullptr;
    QComboBox* cb_cr1 = nullptr;
    QComboBox* cb_cr2 = nullptr;
    QLineEdit* ctt_cr0 = nullptr;
    QLineEdit* ctt_cr1 = nullptr;
    QLineEdit* ctt_cr2 = nullptr;
    QPlainTextEdit* ctt_comm = nullptr;
    QLineEdit* ctt_solde = nullptr;
    QLineEdit* ctt_débits = nullptr;
    QLineEdit* ctt_crédits = nullptr;
    QLineEdit* ctt_volume = nullptr;
    QPushButton* bt_nouvelle = nullptr;
    QPushButton* bt_supprimer = nullptr;
    QPushButton* bt_offres_demandes = nullptr;
    QPushButton* bt_imprimer = nullptr;
    QPushButton* bt_quitter = nullptr;
    QPushButton* bt_valider = nullptr;
    QPushButton* bt_modifier = nullptr;
    QPushButton* bt_modif_nom = nullptr;
    QPushButton* bt_créditer_adh = nullptr;
    QPushButton* bt_modifier_solde = nullptr;
    QPushButton* bt_parcourir = nullptr;
    std::array<QLabel*, 20> Label1{};  // captions; Label1[6] is "Date de cotisation"
    QMenuBar* barre_menus = nullptr;
    QMenu* edition = nullptr;
    QMenu* aide = nullptr;
    QAction* maj_adh = nullptr;
    QAction* maj_prop = nullptr;
    QAction* sommaire_aide = nullptr;
    QAction* aide_adhérents = nullptr;
    QAction* tec_adh = nullptr;

    // Positions last chosen by a click in the criteria and quality lists.
    int position_cr1 = 0, position_cr2 = 0, position_nat = 0, position_qual = 0;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void branche_contrôles();
    void montre_adhérent(int n);
    void montre_champs(const champs_adhérent& c);
    void montre_ville(const QString& ville);
    int ajoute_ville(const QString& ville);
    void montre_photo(const QString& photo);
    void montre_figures(int n);
    void active_figures();
    void couleurs_statut(int statut);
    void sélectionne_entrée(int index);
    int entrée_du_numéro(int n) const;
    void règle_spin();
    void marque_modifiée();
    // Before the record shown is left: true when nothing stays pending; false
    // when the validation was refused (it has said why).
    bool valide_la_fiche();
    void passe_en_mode_nouveau();
    void revient_en_consultation();
    void refuse_numéro_pris(const QString& texte);
    void abandonne_crédit();
    void montre_statut_choisi(int statut);
    bool touche_contrôle(QObject* objet, class QKeyEvent* k);
    void focus_reçu(QObject* objet);
    void focus_perdu(QObject* objet);

    bool nouveau_en_cours_ = false;
    bool modifiée_ = false;
    suivi_saisie saisie_;
    int numéro_affiché_ = 0;
    QString identifiant_montré_;
    std::optional<crédit_inscription> crédit_;
};
