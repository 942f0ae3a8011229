#pragma once
// The catalogue window "Préparation catalogue ou additif": the options and
// text styles of the catalogue and of the supplement, each kind with its own,
// the numbers and dates of both, the heights of blank lines and section
// images; it starts the build, the preview and the printer set-up, and shows
// the member list and the progress that the build leaves (grille_catalogue.h).
// Every control writes its setting the moment it changes; the data file is
// written when the window closes.
#include "ui_common/fenetres.h"

#include <QString>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class F_catalogue : public fenêtre_principale {
public:
    explicit F_catalogue(QWidget* parent = nullptr);
    ~F_catalogue() override;

    void Form_QueryUnload(bool& cancel) override;

    // Kind and style editor.
    void ob_type_Click(int k);
    void Ob_font_Click(int i);
    void sélectionne_police(QString& nom);
    void sélectionne_taille(int& taille);
    void cb_police_Click();
    void cb_taille_Click();
    void bt_gras_Click();
    void bt_ital_Click();

    // Options.
    void op_classement_Click(int i);
    void Op_niveau_rubrique_Click(int i);
    void Chk_écrire_offre_Click();
    void Chk_num_adh_Click();
    void Chk_sauts_Click();
    void Chk_adhérents_Click();
    void Chk_sommaire_Click();
    void chk_sous_rubriques_Click();
    void ob_code_Click(int i);
    void ob_rubriques_Click(int i);
    void ob_qui_Click(int i);
    void Op_liste_adh_Click(int i);
    void ob_format_Click(int i);
    void bt_config_imprim_Click();

    // Numbers, dates, heights.
    void ctt_num_Change(int k);
    void ctt_num_DblClick(int k);
    void ctt_date_Change(int k);
    void ctt_date_DblClick(int k);
    void cb_hauteur_ligne_vide_Click();
    void cb_hauteur_images_Click();

    // Buttons and menus.
    void bt_préparer_Click();
    void bt_aperçu_Click();
    void bt_grille_Click();
    void bt_annuler_Click();
    void aide_sommaire_Click();
    void aide_cat_Click();
    void maj_adh_Click();
    void maj_offr_Click();

    // Shows what the build left: progress, page counts, preview button; with
    // liste, the member list too.
    void rafraîchit(bool liste = false);

    std::array<QRadioButton*, 2> ob_type{};
    std::array<QRadioButton*, 5> op_classement{};
    std::array<QRadioButton*, 3> Op_niveau_rubrique{};
    std::array<QRadioButton*, 4> ob_code{};
    std::array<QRadioButton*, 2> ob_rubriques{};
    std::array<QRadioButton*, 2> ob_format{};
    std::array<QRadioButton*, 3> ob_qui{};
    std::array<QRadioButton*, 2> Op_liste_adh{};
    std::array<QRadioButton*, 5> Ob_font{};
    QCheckBox* Chk_écrire_offre = nullptr;
    QCheckBox* Chk_num_adh = nullptr;
    QCheckBox* Chk_sauts = nullptr;
    QCheckBox* Chk_adhérents = nullptr;
    QCheckBox* Chk_sommaire = nullptr;
    QCheckBox* Chk_sous_rubriques = nullptr;
    QLineEdit* ctt_num_additif = nullptr;
    QLineEdit* ctt_date_additif = nullptr;
    QLineEdit* ctt_numéro_catalogue = nullptr;
    QLineEdit* ctt_date_catalogue = nullptr;
    QComboBox* cb_police = nullptr;
    QComboBox* cb_taille = nullptr;
    QComboBox* cb_hauteur_ligne_vide = nullptr;
    QComboBox* cb_hauteur_images = nullptr;
    QPushButton* bt_préparer = nullptr;
    QPushButton* bt_aperçu = nullptr;
    QPushButton* bt_grille = nullptr;
    QPushButton* bt_annuler = nullptr;
    QPushButton* bt_config_imprim = nullptr;
    QPushButton* bt_gras = nullptr;
    QPushButton* bt_ital = nullptr;
    QLabel* lbl_je_fais_quoi = nullptr;
    QLabel* lbl_per_cent = nullptr;
    QLabel* Label2 = nullptr;  // "effectués", after the percentage
    QLabel* Label4 = nullptr;  // "Nombre de pages:"
    QLabel* lbl_nbr_pages = nullptr;
    QLabel* lblpb = nullptr;
    QLabel* lbl_pages_blanches = nullptr;
    QLabel* lbl_au = nullptr;
    QLabel* lbl_aperçu = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
    QListWidget* liste_adh = nullptr;
    QGroupBox* cadre_polices = nullptr;
    QGroupBox* cadre_qui = nullptr;
    QGroupBox* cadre_quoi = nullptr;
    QGroupBox* cadre_extraire = nullptr;
    QWidget* cadre_font = nullptr;
    QAction* aide_sommaire = nullptr;
    QAction* aide_cat = nullptr;
    QAction* maj_adh = nullptr;
    QAction* maj_offr = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void charge_listes();
    void désactive_aperçu();
    void accorde_dépendances();
    int style_choisi(bool sommaire_par_défaut) const;
    void montre_échantillon();
    // The size chosen in cb_taille becomes the chosen style's.
    void retient_taille();
    QLineEdit* champ_numéro(int k) const;
    QLineEdit* champ_date(int k) const;

    bool en_construction_ = false;
};

// The window's captions that depend on the kind: 1 catalogue, 0 supplement.
struct titres_type {
    QString polices, qui_quoi;
};
titres_type titres_pour_type(int k);
