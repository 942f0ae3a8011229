#pragma once
// The propositions editor: a member chosen by list, number or spinner, the
// member's offers and requests, and one proposition at a time in the editing
// controls. The window keeps the proposition it shows in an
// édition_proposition and leaves the writing to propositions.h.
#include "classification/propositions.h"
#include "ui_common/fenetres.h"
#include "ui_common/suivi_saisie.h"

#include <QString>
#include <array>
#include <utility>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

class f_base : public fenêtre_principale {
public:
    explicit f_base(QWidget* parent = nullptr);

    void Form_Activate() override;
    void Form_QueryUnload(bool& cancel) override;
    bool valide_avant_chargement() override;

    // Member choice.
    void liste_adhérents_Click();
    void cherche_adh_par_num();
    void num_adhérent_Entrée();
    void spin_adh_GotFocus();
    void spin_adh_Change();
    // Lists and code combos.
    void Liste_offres_Click();
    void liste_demandes_Click();
    void Liste_offres_GotFocus();
    void liste_demandes_GotFocus();
    void cb_rub1_Click();
    void cb_rub2_Click();
    void cb_rub3_Click();
    // A field entered or a key in the description: a change is pending.
    void marque_changement();
    // Entry commands.
    void bt_nouvelle_Click();
    void bt_modifier_Click();
    void bt_supprimer_Click();
    void cb_statut_Click();
    void ctt_offre_demande_Change();
    // A key in the description; false when it must not reach the text.
    bool ctt_offre_demande_KeyPress(int touche);
    void ctt_code_rubrique_Entrée();
    void ob_type_MouseDown(int index);
    void bt_quitter_Click();
    void bt_ajout_suppr_adh_Click();
    void bt_imprimer_Click();
    void maj_offr_dem_Click();
    void maj_add_Click();

    // Window procedures.
    void constitue_code();
    void constitue_liste_sous_rubriques(int rubrique);
    void constitue_listes_offres_demandes();
    void déselectionne_offres();
    void déselectionne_demandes();

    // The proposition shown and the member it was shown under.
    const édition_proposition& édition() const { return édition_; }
    int proposition_éditée() const { return édition_.slot; }
    bool nouvelle_proposition() const { return édition_.nouvelle; }
    // A change made in this window waits for its validation: a field was
    // touched, or shows something else than the proposition stored.
    bool modification_en_attente() const { return édition_.modifiée || saisie_.modifiée(); }
    // What the editing controls hold.
    champs_proposition champs() const;

    QLineEdit* num_adhérent = nullptr;
    QComboBox* Liste_adhérents = nullptr;
    QScrollBar* spin_adh = nullptr;
    QListWidget* Liste_offres = nullptr;
    QListWidget* liste_demandes = nullptr;
    std::array<QRadioButton*, 2> ob_type{};
    QComboBox* cb_rub1 = nullptr;
    QComboBox* cb_rub2 = nullptr;
    QComboBox* cb_rub3 = nullptr;
    QLineEdit* ctt_code_rubrique = nullptr;
    QComboBox* cb_genre = nullptr;
    QComboBox* cb_kid = nullptr;
    QComboBox* cb_statut = nullptr;
    QPlainTextEdit* ctt_offre_demande = nullptr;
    QPushButton* bt_nouvelle = nullptr;
    QPushButton* bt_modifier = nullptr;
    QPushButton* bt_supprimer = nullptr;
    QPushButton* bt_ajout_suppr_adh = nullptr;
    QPushButton* bt_imprimer = nullptr;
    QPushButton* bt_quitter = nullptr;
    std::array<QLabel*, 10> Label1{};
    QAction* maj_offr_dem = nullptr;
    QAction* maj_add = nullptr;
    QAction* aide_sommaire = nullptr;
    QAction* tec_cat = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void remplit_liste_adhérents();
    void montre_proposition(QListWidget& liste, int type);
    void applique_validation(résultat_validation r);
    // The pending change validated before the editor leaves what it shows;
    // false when refused (the refusal has said why, everything stays).
    bool valide_en_attente();
    void garde_le_membre_montré();
    void annule_nouvelle();
    void choisit(QComboBox& liste, int index);

    édition_proposition édition_;
    suivi_saisie saisie_;
    // The members the list was last filled with, in list order.
    std::vector<std::pair<QString, int>> membres_listés_;
};

namespace textes_f_base {
inline const QString titre = QStringLiteral("Offres-demandes des adhérents");
inline const QString aucun_adhérent = QStringLiteral("Aucun adhérent ne correspond à ce numéro");
inline const QString validez_ou_annulez = QStringLiteral("Validez la nouvelle proposition ou annulez");
inline const QString valider_nouvelle = QStringLiteral(" Voulez-vous valider la nouvelle offre ? ");
inline const QString supprimer = QStringLiteral("Supprimer");
inline const QString restaurer = QStringLiteral("Restaurer");
inline const QString annuler = QStringLiteral("Annuler");
}  // namespace textes_f_base
