#pragma once
// The statistics window: the member selection every table counts, the date
// range of the exchange tables, one set of options per kind of table, the
// grid that shows the current table and its chart. The tables are built by
// tableaux.h and evolution.h, the chart's data by graphique.h; the window
// wires its controls to them.
#include "statistics/compteurs.h"
#include "statistics/graphique.h"
#include "ui_common/fenetres.h"
#include "ui_common/grille.h"

#include <QRect>
#include <array>
#include <map>

class QAction;
class QButtonGroup;
class QChartView;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class vue_grille;

class f_statistiques : public fenêtre_principale {
public:
    explicit f_statistiques(QWidget* parent = nullptr);
    ~f_statistiques() override;

    void Form_QueryUnload(bool& cancel) override;

    // ---- tabs and builders
    void Op_Click(int index);
    void op_type_Click(int index);
    void op_typ_cat_Click(int index);
    void op_type_échange_Click(int index);
    void Op_offre_demande_Click(int index);
    void Op_évolution_Click(int index);
    void bt_extraire_ad_Click();
    void bt_extraire_cat_Click();
    void bt_extraire_ec_Click();
    void bt_extraire_stats_Click();

    // ---- the selection list
    void bt_initialiser_Click();
    void bt_filtres_eleves_Click();
    void bt_trier_Click();
    void extraire_Click();
    void ext_Click(int index);

    // ---- date fields
    // A typed character: what reaches the field, or a null character when
    // nothing does.
    static QChar ctt_date_KeyPress(QChar caractère);
    void ctt_date_LostFocus(QLineEdit* zone);

    // ---- grid and chart
    void gr_Click(int index);
    void dessine_graphique(const grille& g, const QString& titre, bool inverse, int type);
    void Op_typ_graph_Click(int index);
    void Op_inverse_Click();
    void graph_Click(int index);
    void grh_DblClick();
    const données_graphique& graphique_dessiné() const { return graphique_; }

    // ---- state (starts at 0 with the window)
    int16 choix_type_adh = 0;
    int16 choix_type_cat = 0;
    int16 type_échange = 0;
    int16 choix_offre_demande = 0;
    int16 choix_évolution = 0;
    int16 type_graphique = 0;
    QString titre_stat;

    // ---- controls
    std::array<QPushButton*, 4> op{};
    QGroupBox *cadre_extraction = nullptr, *cadre_ext_adh = nullptr, *cadre_dates = nullptr,
              *cadre_lignes_cat = nullptr;
    QListWidget* liste = nullptr;
    QPushButton *bt_trier = nullptr, *bt_filtres_eleves = nullptr, *bt_initialiser = nullptr;
    QLineEdit *ctt_date_dep = nullptr, *ctt_date_fin = nullptr;
    std::array<QRadioButton*, 3> Op_offre_demande{};
    QGroupBox *cadre_stats_adh = nullptr, *cadre_stats_cat = nullptr, *cadre_stats_échanges = nullptr,
              *cadre_stats_évolution = nullptr;
    std::array<QRadioButton*, 10> op_type{};
    std::array<QRadioButton*, 6> op_typ_cat{};
    std::array<QRadioButton*, 7> op_type_échange{};
    std::array<QRadioButton*, 3> Op_évolution{};
    QPushButton *bt_extraire_ad = nullptr, *bt_extraire_cat = nullptr, *bt_extraire_ec = nullptr,
                *bt_extraire_stats = nullptr;
    grille gg;
    vue_grille* vue_gg = nullptr;
    QChartView* grh = nullptr;
    QGroupBox *Frame2 = nullptr, *Frame3 = nullptr;
    std::map<int, QRadioButton*> Op_typ_graph;  // by chart type code
    std::array<QRadioButton*, 2> Op_inverse{};
    QPushButton* bt_annuler = nullptr;
    QMenu *extraire = nullptr, *menu_grille = nullptr, *graphique = nullptr, *aide = nullptr;
    std::map<int, QAction*> ext;
    std::array<QAction*, 4> gr{};
    std::array<QAction*, 5> graph{};
    QAction *aide_page = nullptr, *aide_grille = nullptr, *aide_choix = nullptr;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void crée_contrôles();
    void crée_menus();
    void Form_Load();
    void remplit_menu_états();
    // The counters' view of the window, and the list back after a build.
    état_statistiques état_pour_tableau() const;
    void reprend_liste(const état_statistiques& é);
    void redessine();
    // Places of the chart in twips of the design, scaled as the window was.
    void place(int gauche, int haut, int largeur, int hauteur);
    int largeur_centre() const;

    données_graphique graphique_;
    int type_dessiné_ = 1;
    bool agrandi_menu_ = false;
    bool agrandi_double_clic_ = false;
};

namespace textes_f_statistiques {
inline const QString titre = QStringLiteral("Statistiques");
inline const QString date_invalide = QStringLiteral("respectez le format de date jj/mm/aa");
}  // namespace textes_f_statistiques
