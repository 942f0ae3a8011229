#pragma once
// The classification editor: sections and their sub-sections reached by list
// or by code, renamed, given an image, added in two stages on their "Ajouter"
// buttons, swapped and deleted. The tables change through the procedures of
// classement.h; the window keeps its lists and fields in step with them and
// has the main grid show the classification after each change.
#include "ui_common/fenetres.h"
#include "ui_common/suivi_saisie.h"

#include <QString>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class f_rubriques : public fenêtre_principale {
public:
    explicit f_rubriques(QWidget* parent = nullptr);

    void Form_QueryUnload(bool& cancel) override;
    void Form_Deactivate() override;
    bool valide_avant_chargement() override;

    // Handlers, also run by the window's own procedures.
    void cb_rub1_Click();
    void cb_rub2_Click();
    void cb_rub1_DblClick();
    void cb_rub2_DblClick();
    void cb_rub1_GotFocus();
    void cb_rub2_GotFocus();
    void ctt_code_rubrique_GotFocus();
    void ctt_rubrique_GotFocus();
    void ctt_sous_rubrique_GotFocus();
    // A character typed in the code field; false when it must not reach the field.
    bool ctt_code_rubrique_KeyPress(QChar caractère);
    void bt_modifier_Click();
    void bt_parcourir_Click();
    void txt_nom_image_Entrée();
    void bt_modifier_sous_rubriques_Click();
    void bt_ajouter_rubrique_Click();
    void bt_ajouter_sous_rubrique_Click();
    void bt_permuter_rubriques_Click();
    void bt_permuter_sous_rubriques_Click();
    void bt_supprimer_Click();
    void bt_supprimer_sous_rubriques_Click();
    void supp_class_Click();

    // Window procedures.
    void constitue_code();
    void constitue_liste_sous_rubriques(int rubrique);
    void sélection_r();
    void sélection_sous_r();

    // Section number and sub-section digit of the current items; 0 for none.
    int rubrique_courante() const;
    int chiffre_courant() const;
    bool ajout_rubrique_en_cours() const { return ajout_rubrique_; }
    bool ajout_sous_rubrique_en_cours() const { return ajout_sous_rubrique_; }

    // Index in codes_classification of the entry at hand.
    int entrée_courante = 0;

    QLineEdit* ctt_code_rubrique = nullptr;
    QLabel* info = nullptr;
    QListWidget* cb_rub1 = nullptr;
    QListWidget* cb_rub2 = nullptr;
    QLineEdit* ctt_rubrique = nullptr;
    QLineEdit* ctt_sous_rubrique = nullptr;
    QLineEdit* txt_nom_image = nullptr;
    QPushButton* bt_parcourir = nullptr;
    QPushButton* bt_ajouter_rubrique = nullptr;
    QPushButton* bt_modifier = nullptr;
    QPushButton* bt_permuter_rubriques = nullptr;
    QPushButton* bt_supprimer = nullptr;
    QPushButton* bt_ajouter_sous_rubrique = nullptr;
    QPushButton* bt_modifier_sous_rubriques = nullptr;
    QPushButton* bt_permuter_sous_rubriques = nullptr;
    QPushButton* bt_supprimer_sous_rubriques = nullptr;
    QPushButton* bt_annuler = nullptr;
    QAction* supp_class = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    // Loading: the section list and its current item.
    void charge();
    void remplit_rubriques();
    void rend_courante_rubrique(int ligne);
    void rend_courante_sous_rubrique(int ligne);
    void active_boutons();
    void annule_ajout_rubrique();
    void annule_ajout_sous_rubrique();
    // Nothing is pending any more: captions and buttons back to idle.
    void boutons_au_repos();
    bool ctt_rubrique_KeyDown(int touche, Qt::KeyboardModifiers modificateurs);
    bool ctt_sous_rubrique_KeyDown(int touche, Qt::KeyboardModifiers modificateurs);

    bool ajout_rubrique_ = false;
    bool ajout_sous_rubrique_ = false;
    // The section's name and image, and the sub-section's name, as stored.
    suivi_saisie saisie_rubrique_;
    suivi_saisie saisie_sous_rubrique_;
};

namespace textes_f_rubriques {
inline const QString titre = QStringLiteral("Rubriques & sous-rubriques");
inline const QString attend_nombre = QStringLiteral("Trovane attend ici un nombre :-)");
inline const QString créer_rubrique =
    QStringLiteral("Aucune rubrique ne correspond à ce code, voulez-vous la créer?");
inline const QString créer_sous_rubrique =
    QStringLiteral("Aucune sous_rubrique ne correspond à ce code, voulez-vous la créer?");
}  // namespace textes_f_rubriques
