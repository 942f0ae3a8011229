#pragma once
// The printing window: for the members of its selection list, either member
// lists (a grid of chosen columns, printed or exported) or labels, mailing
// pages and cards laid out on a sheet. The layout, the label text, the
// drawing and the list printing are the procedures of this folder; the
// window keeps the choices and wires its controls to them.
#include "printing/feuille_etiquettes.h"
#include "printing/rendu_etiquettes.h"
#include "ui_common/fenetres.h"
#include "ui_common/grille.h"

#include <QWidget>
#include <array>
#include <functional>
#include <map>

class QAction;
class QButtonGroup;
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

// The sheet picture: the label grid, and the start label once it is chosen.
class visuel_feuille : public QWidget {
public:
    visuel_feuille(const feuille_étiquettes& f, QWidget* parent);
    std::function<void(double, double)> clic;
    bool départ_montré = false;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    const feuille_étiquettes& f_;
};

class f_impression : public fenêtre_principale {
public:
    explicit f_impression(QWidget* parent = nullptr);
    ~f_impression() override;

    // ---- the window
    void op_quoi_Click(int index);
    void aide_sommaire_Click();
    void aide_adh_Click();
    void aide_gr_Click();
    void aide_choix_Click();
    void bt_imprimantes_Click();
    void bt_annuler_Click();
    void Form_QueryUnload(bool& cancel) override;

    // ---- the selection list
    void bt_initialiser_Click();
    void bt_filtres_eleves_Click();
    void bt_trier_Click();
    void extraire_Click();
    void ext_Click(int index);
    void liste_Click();

    // ---- the sheet and the model
    void nombre_colonnes_Click();
    void Nombre_lignes_Click();
    void dessine_aperçu();

    // ---- printing
    void bt_imprimer_Click();
    void bt_imprimer_un_Click();
    void imprimer_étiquettes();

    // ---- label options
    void sortie_Click(int index);
    // x, y in the sheet picture's pixels.
    void Visuel_MouseDown(double x, double y);
    void choix_police_Click();
    void taille_police_Click();
    void bt_gras_Click();
    void bt_italique_Click();
    void bt_ajuster_Click();
    void Bt_parcourir_bkg_Click();

    // ---- the member list grid and its printing
    void compose_grille();
    void cb_nbr_cols_Click();
    void cb_quoi_col_Click(int index);
    void spin_Change();
    void gr_Click(int index);
    void imprime_liste();
    void Op_entête_Click(int index);
    void Op_largeur_Click(int index);
    void ctt_largeur_LostFocus();
    // A typed character: what reaches the width box, or a null character.
    static QChar ctt_largeur_KeyPress(QChar caractère);

    // ---- state
    QString mode_impression;  // "listes" or "étiquettes"
    QString type_sortie;
    bool chargement_en_cours = false;
    double hauteur_page = 0;
    feuille_étiquettes feuille;
    int adhérent_modèle = 0;
    QString police_impression;
    int taille_police_impression = 12;
    bool gras_étiquettes = false;  // bold and italic of labels and cards
    bool italique_étiquettes = false;
    int colonne_mél = -1;
    int choix_entête = 0;
    // What the renderer needs of the labels panel, the page width taken now.
    réglages_étiquettes réglages() const;
    // The model last drawn beside the sheet.
    const QImage& modèle_dessiné() const { return modèle_; }

    // ---- controls
    QGroupBox *cadre_quoi = nullptr, *Frame4 = nullptr, *Cadre_extraxction = nullptr, *cadre_listes = nullptr,
              *cadre_étiquettes = nullptr, *cadre_format = nullptr, *cadre_mode = nullptr, *cadre_tronc = nullptr;
    std::array<QRadioButton*, 2> op_quoi{};
    QComboBox *choix_police = nullptr, *taille_police = nullptr;
    QPushButton *bt_gras = nullptr, *bt_italique = nullptr, *bt_ajuster = nullptr;
    QLabel* Fond = nullptr;
    QLineEdit* ctt_nom_bkg = nullptr;
    QPushButton* Bt_parcourir_bkg = nullptr;
    QListWidget* liste = nullptr;
    QPushButton *bt_trier = nullptr, *bt_filtres_eleves = nullptr, *bt_initialiser = nullptr;
    QComboBox* cb_nbr_cols = nullptr;
    QScrollBar* spin = nullptr;
    std::array<QLabel*, 10> lbl{};  // 1..9
    std::array<QComboBox*, 9> cb_quoi_col{};
    grille gg;
    vue_grille* vue_gg = nullptr;
    QLineEdit* ctt_titre = nullptr;
    std::array<QRadioButton*, 3> Op_entête{};
    std::array<QRadioButton*, 2> Op_largeur{};
    QLineEdit* ctt_largeur = nullptr;
    std::array<QRadioButton*, 2> op_tronc{};
    QCheckBox *Chk_horizontales = nullptr, *chk_verticales = nullptr;
    QComboBox *nombre_colonnes = nullptr, *Nombre_lignes = nullptr;
    QCheckBox *Chk_marg_gd = nullptr, *Chk_marg_hb = nullptr;
    visuel_feuille* Visuel = nullptr;
    std::array<QRadioButton*, 4> sortie{};
    QWidget* zone_modèle = nullptr;
    QLabel* cadre_carte = nullptr;
    QPushButton *bt_imprimer = nullptr, *bt_imprimer_un = nullptr, *bt_imprimantes = nullptr, *bt_annuler = nullptr;
    QMenu *extraire = nullptr, *édition = nullptr, *aide = nullptr;
    std::map<int, QAction*> ext;
    std::array<QAction*, 5> gr{};
    QAction *aide_sommaire = nullptr, *aide_adh = nullptr, *aide_gr = nullptr, *aide_choix = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void Form_Load();
    void remplit_menu_états();
    void montre_panneau_étiquettes(bool oui);
    // The list changed: the grid follows it on the lists panel.
    void liste_changée();
    void relance_modèle_feuille();
    double largeur_papier() const;
    // Controls that must not be used while a run prints.
    void bloque_pendant_impression(bool bloque);

    QImage modèle_;
    bool impression_en_cours_ = false;
};

namespace textes_f_impression {
inline const QString titre = QStringLiteral("Impression...");
inline const QString aucun_sélectionné = QStringLiteral("Il n'y a aucun élément sélectionné dans la liste");
inline const QString dimension_incorrecte = QStringLiteral("Dimension incorrecte");
}  // namespace textes_f_impression
