#include "statistics/f_statistiques.h"

#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "statistics/evolution.h"
#include "statistics/historique.h"
#include "statistics/tableaux.h"
#include "ui_common/controles.h"
#include "ui_common/listes_longues.h"
#include "ui_common/export_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/impression_grille.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/principale.h"
#include "ui_common/sablier.h"
#include "ui_common/selections_enregistrees.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/symboles.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCursor>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <cmath>

namespace t = textes_f_statistiques;

namespace {

// The chart's places, in twips of the design.
constexpr int place_normale[] = {6120, 3180, 5115, 3075};
constexpr int place_double_clic[] = {4680, 3120, 6735, 4095};
constexpr int hauteur_agrandie = 7200;
constexpr double twips_conception = 15;  // twips a pixel in the design

const QColor couleurs_onglets[] = {QColor(255, 255, 51), QColor(255, 204, 51), QColor(255, 51, 51),
                                   QColor(128, 255, 128)};

QString couleur_onglet(const QColor& c)
{
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid #606060; border-radius: 3px; }"
                          "QPushButton:checked { border: 3px solid #303030; font-weight: bold; }")
        .arg(c.name());
}



}  // namespace

f_statistiques::f_statistiques(QWidget* parent) : fenêtre_principale(parent)
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(t::titre);
    crée_contrôles();
    crée_menus();
    Form_Load();
}

f_statistiques::~f_statistiques() = default;

// ---------------------------------------------------------------- controls

void f_statistiques::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    resize(800, 600);

    const auto cadre = &crée_cadre;
    const auto option = &crée_option;
    const auto bouton = &crée_bouton;

    // ---- the tabs
    static const char* onglets[] = {"Adhérents", "Catalogue", "échanges", "évolutions"};
    auto* groupe_onglets = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        op[i] = bouton(centre, QStringLiteral("op%1").arg(i), QString::fromUtf8(onglets[i]), 8 + 112 * i, 4, 108, 28);
        op[i]->setCheckable(true);
        groupe_onglets->addButton(op[i], i);
        connect(op[i], &QPushButton::clicked, this, [this, i] { Op_Click(i); });
    }
    op[3]->setStyleSheet(couleur_onglet(couleurs_onglets[3]));
    op[0]->setChecked(true);

    // ---- who and what is counted
    cadre_extraction =
        cadre(centre, QStringLiteral("cadre_extraction"), QStringLiteral("Qui / quoi prendre en compte ?"), 8, 36, 300, 252);
    liste = new QListWidget(cadre_extraction);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setGeometry(8, 20, 160, 224);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    prépare_liste_longue(*liste);

    cadre_ext_adh = cadre(cadre_extraction, QStringLiteral("cadre_ext_adh"), QStringLiteral("Adhérents"), 174, 14, 118, 90);
    bt_trier = bouton(cadre_ext_adh, QStringLiteral("bt_trier"), QString(), 10, 20, 40, 30);
    bt_trier->setIcon(icône_standard(QStyle::SP_FileDialogListView));
    bt_trier->setToolTip(QStringLiteral("trier la liste"));
    bt_filtres_eleves = bouton(cadre_ext_adh, QStringLiteral("bt_filtres_eleves"), QString(), 62, 20, 40, 30);
    bt_filtres_eleves->setIcon(icône_standard(QStyle::SP_FileDialogContentsView));
    bt_filtres_eleves->setToolTip(QStringLiteral("filtrer la liste"));
    bt_initialiser = bouton(cadre_ext_adh, QStringLiteral("bt_initialiser"), QStringLiteral("initialiser"), 10, 56, 92, 26);
    connect(bt_trier, &QPushButton::clicked, this, [this] { bt_trier_Click(); });
    connect(bt_filtres_eleves, &QPushButton::clicked, this, [this] { bt_filtres_eleves_Click(); });
    connect(bt_initialiser, &QPushButton::clicked, this, [this] { bt_initialiser_Click(); });

    cadre_dates = cadre(cadre_extraction, QStringLiteral("cadre_dates"), QStringLiteral("Dates"), 174, 110, 118, 84);
    auto* du = new QLabel(QStringLiteral("du"), cadre_dates);
    du->setObjectName(QStringLiteral("lbl0"));
    du->setGeometry(8, 24, 22, 18);
    auto* au = new QLabel(QStringLiteral("au"), cadre_dates);
    au->setObjectName(QStringLiteral("lbl1"));
    au->setGeometry(8, 54, 22, 18);
    ctt_date_dep = new QLineEdit(cadre_dates);
    ctt_date_dep->setObjectName(QStringLiteral("ctt_date_dep"));
    ctt_date_dep->setGeometry(32, 22, 78, 24);
    ctt_date_fin = new QLineEdit(cadre_dates);
    ctt_date_fin->setObjectName(QStringLiteral("ctt_date_fin"));
    ctt_date_fin->setGeometry(32, 52, 78, 24);
    ctt_date_dep->installEventFilter(this);
    ctt_date_fin->installEventFilter(this);

    cadre_lignes_cat =
        cadre(cadre_extraction, QStringLiteral("cadre_lignes_cat"), QStringLiteral("lignes catalogue"), 174, 110, 118, 96);
    static const char* lignes_cat[] = {"toutes", "offres", "demandes"};
    for (int i = 0; i < 3; ++i) {
        Op_offre_demande[i] = option(cadre_lignes_cat, QStringLiteral("Op_offre_demande%1").arg(i),
                                     QString::fromUtf8(lignes_cat[i]), 10, 20 + 24 * i, 100);
        connect(Op_offre_demande[i], &QRadioButton::clicked, this, [this, i] { Op_offre_demande_Click(i); });
    }
    Op_offre_demande[0]->setChecked(true);

    // ---- the kinds of table
    const QRect place_options(316, 36, 476, 166);
    auto cadre_stats = [&](const QString& nom, const QString& titre) {
        return cadre(centre, nom, titre, place_options.x(), place_options.y(), place_options.width(),
                     place_options.height());
    };
    auto options = [&](QGroupBox* g, const QString& nom, const QStringList& textes, auto& boutons, int par_colonne,
                       auto clic) {
        for (int i = 0; i < textes.size(); ++i) {
            boutons[i] = option(g, nom + QString::number(i), textes[i], 10 + 236 * (i / par_colonne),
                                20 + 26 * (i % par_colonne), 226);
            connect(boutons[i], &QRadioButton::clicked, this, [this, i, clic] { (this->*clic)(i); });
        }
        boutons[0]->setChecked(true);
    };
    auto bouton_stats = [&](QGroupBox* g, const QString& nom) {
        return bouton(g, nom, QStringLiteral("Stats :-)"), 384, 126, 84, 30);
    };

    cadre_stats_adh = cadre_stats(QStringLiteral("cadre_stats_adh"), QStringLiteral("Types de données"));
    options(cadre_stats_adh, QStringLiteral("op_type"),
            {QStringLiteral("par sexe"), QStringLiteral("enfant/adulte/autre sel"), QStringLiteral("par qualité"),
             QStringLiteral("par nationalité"), QStringLiteral("par critère1"), QStringLiteral("par critère2"),
             QStringLiteral("par critère1 et sexe"), QStringLiteral("par critère1 et âge"),
             QStringLiteral("par critère2 et sexe"), QStringLiteral("par critères2 et âge")},
            op_type, 5, &f_statistiques::op_type_Click);
    bt_extraire_ad = bouton_stats(cadre_stats_adh, QStringLiteral("bt_extraire_ad"));
    connect(bt_extraire_ad, &QPushButton::clicked, this, [this] { bt_extraire_ad_Click(); });

    cadre_stats_cat = cadre_stats(QStringLiteral("cadre_stats_cat"), QStringLiteral("Type de données"));
    options(cadre_stats_cat, QStringLiteral("op_typ_cat"), libellés_types_catalogue(), op_typ_cat, 3,
            &f_statistiques::op_typ_cat_Click);
    bt_extraire_cat = bouton_stats(cadre_stats_cat, QStringLiteral("bt_extraire_cat"));
    connect(bt_extraire_cat, &QPushButton::clicked, this, [this] { bt_extraire_cat_Click(); });

    cadre_stats_échanges = cadre_stats(QStringLiteral("cadre_stats_échanges"), QStringLiteral("échanges"));
    options(cadre_stats_échanges, QStringLiteral("op_type_échange"), libellés_types_échanges(), op_type_échange, 4,
            &f_statistiques::op_type_échange_Click);
    bt_extraire_ec = bouton_stats(cadre_stats_échanges, QStringLiteral("bt_extraire_ec"));
    connect(bt_extraire_ec, &QPushButton::clicked, this, [this] { bt_extraire_ec_Click(); });

    cadre_stats_évolution = cadre_stats(QStringLiteral("cadre_stats_évolution"), QStringLiteral("évolution"));
    options(cadre_stats_évolution, QStringLiteral("Op_évolution"),
            {QStringLiteral("données adhérents"), QStringLiteral("données catalogue"),
             QStringLiteral("données échanges")},
            Op_évolution, 3, &f_statistiques::Op_évolution_Click);
    bt_extraire_stats = bouton_stats(cadre_stats_évolution, QStringLiteral("bt_extraire_stats"));
    connect(bt_extraire_stats, &QPushButton::clicked, this, [this] { bt_extraire_stats_Click(); });

    // ---- the table
    vue_gg = new vue_grille(gg, centre);
    vue_gg->setObjectName(QStringLiteral("gg"));
    vue_gg->setGeometry(8, 294, 300, 276);
    vue_gg->viewport()->installEventFilter(this);

    // ---- the chart and its options
    Frame3 = cadre(centre, QStringLiteral("Frame3"), QString(), 316, 208, 86, 62);
    for (int i = 0; i < 2; ++i) {
        Op_inverse[i] = new QRadioButton(glyphe_wingdings(197 + i), Frame3);
        Op_inverse[i]->setObjectName(QStringLiteral("Op_inverse%1").arg(i));
        Op_inverse[i]->setFont(QFont(symbole_wingdings(197 + i).police, 14));
        Op_inverse[i]->setGeometry(6 + 40 * i, 14, 38, 40);
        Op_inverse[i]->setToolTip(QStringLiteral("inverse x,y"));
        connect(Op_inverse[i], &QRadioButton::clicked, this, [this] { Op_inverse_Click(); });
    }
    Op_inverse[0]->setChecked(true);

    bt_annuler = bouton(centre, QStringLiteral("bt_annuler"), QString(), 326, 290, 64, 44);
    bt_annuler->setToolTip(QStringLiteral("retour à la page de départ"));
    bt_annuler->setIcon(icône_retour());
    bt_annuler->setIconSize(QSize(32, 32));
    connect(bt_annuler, &QPushButton::clicked, this, [this] { close(); });

    grh = new QChartView(centre);
    grh->setObjectName(QStringLiteral("grh"));
    grh->setGeometry(place_normale[0] / 15, place_normale[1] / 15, place_normale[2] / 15, place_normale[3] / 15);
    grh->setToolTip(QStringLiteral("cliquez à droite :-)"));
    grh->setRenderHint(QPainter::Antialiasing);
    grh->setFrameShape(QFrame::Box);
    grh->viewport()->installEventFilter(this);

    Frame2 = cadre(centre, QStringLiteral("Frame2"),
                   QStringLiteral("choix du graph... à vous de trier l'utile de l'absurde :-)"), 316, 486, 476, 60);
    for (int i = 0; i < static_cast<int>(std::size(codes_graphique)); ++i) {
        const int code = codes_graphique[i];
        auto* b = option(Frame2, QStringLiteral("Op_typ_graph%1").arg(code), QString::number(i), 10 + 38 * i, 26, 38);
        Op_typ_graph[code] = b;
        connect(b, &QRadioButton::clicked, this, [this, code] { Op_typ_graph_Click(code); });
    }
    // None is chosen until the first chart is drawn.
    auto* groupe_types = new QButtonGroup(this);
    for (const auto& [code, b] : Op_typ_graph)
        groupe_types->addButton(b);
}

void f_statistiques::crée_menus()
{
    QMenuBar* barre = menuBar();
    auto entrée = [this](QMenu* menu, const QString& nom, const QString& titre, auto clic) {
        QAction* a = menu->addAction(titre);
        a->setObjectName(nom);
        connect(a, &QAction::triggered, this, clic);
        return a;
    };

    extraire = barre->addMenu(QStringLiteral("Extraire"));
    extraire->setObjectName(QStringLiteral("extraire"));
    static const char* textes_ext[] = {"Garder les éléments séléctionnés", "NE garde QUE les éléments NON sélectionnés",
                                       "Tous :-)"};
    for (int i = 0; i < 3; ++i)
        ext[i] = entrée(extraire, QStringLiteral("ext%1").arg(i), QString::fromUtf8(textes_ext[i]),
                        [this, i] { ext_Click(i); });
    extraire->addSeparator();
    // Until the menu first opens; it then holds the saved selections.
    ext[4] = entrée(extraire, QStringLiteral("ext4"), QStringLiteral("etat"), [this] { ext_Click(4); });
    ext[4]->setData(chemin_programme(QStringLiteral("etats/etat.eta")));
    connect(extraire, &QMenu::aboutToShow, this, [this] { extraire_Click(); });

    menu_grille = barre->addMenu(QStringLiteral("Grille"));
    menu_grille->setObjectName(QStringLiteral("grille"));
    static const char* textes_gr[] = {"Copier la grille", "Copier la sélection", "Enregistrer la grille",
                                      "Imprimer la grille"};
    for (int i = 0; i < 4; ++i)
        gr[i] = entrée(menu_grille, QStringLiteral("gr%1").arg(i), QString::fromUtf8(textes_gr[i]),
                       [this, i] { gr_Click(i); });

    graphique = barre->addMenu(QStringLiteral("Graphique"));
    graphique->setObjectName(QStringLiteral("graphique"));
    graph[0] = entrée(graphique, QStringLiteral("graph0"), QStringLiteral("Copier le graphique"), [this] { graph_Click(0); });
    graph[1] =
        entrée(graphique, QStringLiteral("graph1"), QStringLiteral("Imprimer le graphique"), [this] { graph_Click(1); });
    graph[2] = graphique->addSeparator();
    graph[3] = entrée(graphique, QStringLiteral("graph3"), QStringLiteral("Agrandir"), [this] { graph_Click(3); });
    graph[4] = entrée(graphique, QStringLiteral("graph4"), QStringLiteral("Diminuer"), [this] { graph_Click(4); });

    aide = barre->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    // The page's own help opens as soon as the menu does.
    connect(aide, &QMenu::aboutToShow, this, [] { ouvre_aide(QStringLiteral("statistiques")); });
    aide_page = aide->addAction(QStringLiteral("Aide de la page"));
    aide_page->setObjectName(QStringLiteral("aide_page"));
    aide_grille = entrée(aide, QStringLiteral("aide_grille"), QStringLiteral("Astuces de la grille"),
                         [] { ouvre_aide(QStringLiteral("techn_grille")); });
    aide_choix = entrée(aide, QStringLiteral("aide_choix"), QStringLiteral("Sélection dans la liste"),
                        [] { ouvre_aide(QStringLiteral("techn_choix")); });
}

// ---------------------------------------------------------------- opening and closing

void f_statistiques::Form_Load()
{
    sablier attente;
    adapte_feuille_écran(*this);
    affiche_fond(*this);

    for (int i = 0; i < 3; ++i)
        op[i]->setStyleSheet(couleur_onglet(couleurs_onglets[i]));
    const QStringList types = libellés_types_adhérents();
    for (int i = 2; i < 10; ++i)
        op_type[i]->setText(types[i]);

    bt_initialiser_Click();
    ctt_date_dep->setText(QStringLiteral("00:00:00"));
    ctt_date_fin->setText(date_courte(date_depuis(aujourdhui())));
    type_graphique = 1;
    Op_Click(0);
}

void f_statistiques::Form_QueryUnload(bool& cancel)
{
    cancel = false;
    clique_op(1);
}

// ---------------------------------------------------------------- tabs and builders

void f_statistiques::Op_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    {
        const QSignalBlocker bloque(op[index]);
        op[index]->setChecked(true);
    }
    cadre_lignes_cat->setVisible(index == 1);
    cadre_dates->setVisible(index == 2);
    cadre_extraction->setVisible(index != 3);
    if (index == 3)
        enregistre_évolution();
    cadre_stats_adh->setVisible(index == 0);
    cadre_stats_cat->setVisible(index == 1);
    cadre_stats_échanges->setVisible(index == 2);
    cadre_stats_évolution->setVisible(index == 3);
    switch (index) {
    case 0: bt_extraire_ad_Click(); break;
    case 1: bt_extraire_cat_Click(); break;
    case 2: bt_extraire_ec_Click(); break;
    default: bt_extraire_stats_Click(); break;
    }
}

void f_statistiques::op_type_Click(int index)
{
    choix_type_adh = static_cast<int16>(index);
    bt_extraire_ad_Click();
}

void f_statistiques::op_typ_cat_Click(int index)
{
    choix_type_cat = static_cast<int16>(index);
    bt_extraire_cat_Click();
}

void f_statistiques::op_type_échange_Click(int index)
{
    type_échange = static_cast<int16>(index);
    bt_extraire_ec_Click();
}

void f_statistiques::Op_offre_demande_Click(int index) { choix_offre_demande = static_cast<int16>(index); }

void f_statistiques::Op_évolution_Click(int index)
{
    choix_évolution = static_cast<int16>(index);
    bt_extraire_stats_Click();
}

état_statistiques f_statistiques::état_pour_tableau() const
{
    état_statistiques é;
    é.liste.reserve(static_cast<std::size_t>(liste->count()));
    for (int i = 0; i < liste->count(); ++i) {
        const QListWidgetItem* item = liste->item(i);
        é.liste.push_back({item->text(), item->data(Qt::UserRole).toInt()});
    }
    é.choix_offre_demande = choix_offre_demande;
    é.date_dep = ctt_date_dep->text();
    é.date_fin = ctt_date_fin->text();
    return é;
}

void f_statistiques::reprend_liste(const état_statistiques& é)
{
    // The builders only ever take association accounts out.
    if (static_cast<int>(é.liste.size()) == liste->count())
        return;
    for (int i = liste->count() - 1; i >= 0; --i)
        if (liste->item(i)->data(Qt::UserRole).toInt() >= premier_compte_asso)
            delete liste->takeItem(i);
}

void f_statistiques::bt_extraire_ad_Click()
{
    sablier attente;
    état_statistiques é = état_pour_tableau();
    const QString libellé = choix_type_adh >= 0 && choix_type_adh < 10 ? op_type[choix_type_adh]->text() : QString();
    construit_tableau_adhérents(é, gg, choix_type_adh, libellé);
    reprend_liste(é);
    titre_stat = é.titre_stat;
    dessine_graphique(gg, titre_stat, Op_inverse[0]->isChecked(), type_graphique);
}

void f_statistiques::bt_extraire_cat_Click()
{
    sablier attente;
    état_statistiques é = état_pour_tableau();
    const QString libellé = choix_type_cat >= 0 && choix_type_cat < 6 ? op_typ_cat[choix_type_cat]->text() : QString();
    construit_tableau_catalogue(é, gg, choix_type_cat, libellé);
    reprend_liste(é);
    titre_stat = é.titre_stat;
    dessine_graphique(gg, titre_stat, Op_inverse[0]->isChecked(), type_graphique);
}

void f_statistiques::bt_extraire_ec_Click()
{
    sablier attente;
    état_statistiques é = état_pour_tableau();
    const QString libellé =
        type_échange >= 0 && type_échange < 7 ? op_type_échange[type_échange]->text() : QString();
    construit_tableau_échanges(é, gg, type_échange, libellé);
    reprend_liste(é);
    titre_stat = é.titre_stat;
    dessine_graphique(gg, titre_stat, Op_inverse[0]->isChecked(), type_graphique);
}

void f_statistiques::bt_extraire_stats_Click()
{
    sablier attente;
    const QString titre = construit_évolution(gg, choix_évolution);
    // The history is always drawn in lines.
    dessine_graphique(gg, titre, Op_inverse[0]->isChecked(), types_graphique::lignes_3d);
}

// ---------------------------------------------------------------- the selection list

void f_statistiques::bt_initialiser_Click()
{
    std::vector<entrée_liste_longue> entrées;
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) { entrées.push_back({a.identifiant.str(), n}); });
    remplit_liste_longue(*liste, entrées);
}

void f_statistiques::bt_filtres_eleves_Click()
{
    liste->clear();
    montre_filtre_membres(QStringLiteral("stats"));
}

void f_statistiques::remplit_menu_états()
{
    remplit_menu_sélections(*extraire, ext, 4, [this](int n) { ext_Click(n); });
}

void f_statistiques::bt_trier_Click()
{
    remplit_menu_états();
    extraire->popup(QCursor::pos());
}

void f_statistiques::extraire_Click() { remplit_menu_états(); }

void f_statistiques::ext_Click(int index)
{
    switch (index) {
    case 0:
    case 1: {
        const bool garder_sélectionnés = index == 0;
        int i = 0;
        while (i < liste->count()) {
            if (liste->item(i)->isSelected() != garder_sélectionnés)
                delete liste->takeItem(i);
            else
                ++i;
        }
        break;
    }
    case 2: bt_initialiser_Click(); break;
    case 3: break;
    default:
        if (const QString fichier = fichier_de_l_item(ext, index); !fichier.isEmpty())
            charge_etat(fichier, liste);
        break;
    }
    liste->setToolTip(QString::number(liste->count()));
}

// ---------------------------------------------------------------- date fields

QChar f_statistiques::ctt_date_KeyPress(QChar c)
{
    if (c == QLatin1Char('.') || c == QLatin1Char('-'))
        return QLatin1Char('/');
    if (c.unicode() > 57)
        return QChar();
    return c;
}

void f_statistiques::ctt_date_LostFocus(QLineEdit* zone)
{
    double d = 0;
    if (lit_date(zone->text(), d))
        return;
    MsgBox(t::date_invalide, style_boîte::information | style_boîte::ok);
    zone->setText(zone == ctt_date_dep ? QStringLiteral("00:00:00") : date_courte(date_depuis(aujourdhui())));
}

bool f_statistiques::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == ctt_date_dep || objet == ctt_date_fin) {
        auto* zone = static_cast<QLineEdit*>(objet);
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            const QString texte = k->text();
            if (texte.size() == 1 && texte[0].unicode() >= 32 && !(k->modifiers() & Qt::ControlModifier)) {
                const QChar c = ctt_date_KeyPress(texte[0]);
                if (c != texte[0]) {
                    if (!c.isNull())
                        zone->insert(QString(c));
                    return true;
                }
            }
        } else if (e->type() == QEvent::FocusIn && focus_de_l_utilisateur(e)) {
            QTimer::singleShot(0, zone, [zone] { zone->selectAll(); });
        } else if (e->type() == QEvent::FocusOut && focus_de_l_utilisateur(e)) {
            ctt_date_LostFocus(zone);
        }
    } else if (objet == vue_gg->viewport() && e->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            menu_grille->popup(QCursor::pos());
            return true;
        }
    } else if (objet == grh->viewport()) {
        if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
            graphique->popup(QCursor::pos());
            return true;
        }
        if (e->type() == QEvent::MouseButtonDblClick) {
            grh_DblClick();
            return true;
        }
    }
    return fenêtre_principale::eventFilter(objet, e);
}

// ---------------------------------------------------------------- grid

void f_statistiques::gr_Click(int index)
{
    switch (index) {
    case 0: copie_grille(gg); break;
    case 1: copie_sélection(gg); break;
    case 2: enregistre_grille(gg, QStringLiteral("stats"), 0); break;
    case 3: {
        double largeur = 0;
        for (int c = 0; c < gg.Cols(); ++c)
            largeur += gg.ColWidth(c);
        QString onglet;
        for (QPushButton* b : op)
            if (b->isChecked())
                onglet = b->text();
        surface_imprimante papier(imprimante());
        imprime_grille(papier, gg, largeur, QStringLiteral("Statistiques ") + onglet, true, true, false);
        papier.EndDoc();
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------- chart

void f_statistiques::dessine_graphique(const grille& g, const QString& titre, bool inverse, int type)
{
    graphique_ = prépare_graphique(g, titre, inverse);
    type_dessiné_ = type;
    // Choosing the type's button runs its handler, which draws.
    const auto bouton = Op_typ_graph.find(type);
    if (bouton != Op_typ_graph.end() && !bouton->second->isChecked()) {
        {
            const QSignalBlocker bloque(bouton->second);
            bouton->second->setChecked(true);
        }
        Op_typ_graph_Click(type);
        return;
    }
    redessine();
}

void f_statistiques::redessine()
{
    auto* nouveau = new QChart;
    nouveau->setAnimationOptions(QChart::NoAnimation);
    nouveau->setMargins(QMargins(2, 2, 2, 2));
    remplit_graphique(*nouveau, graphique_, type_dessiné_);
    QChart* ancien = grh->chart();
    grh->setChart(nouveau);
    delete ancien;
}

void f_statistiques::Op_typ_graph_Click(int index)
{
    type_graphique = static_cast<int16>(index);
    if (const auto b = Op_typ_graph.find(index); b != Op_typ_graph.end())
        b->second->setText(QString::number(index));
    // The same data in the new style.
    type_dessiné_ = index;
    redessine();
}

void f_statistiques::Op_inverse_Click()
{
    dessine_graphique(gg, titre_stat, Op_inverse[0]->isChecked(), type_graphique);
}

// A place of the chart, in the design's pixels: the window keeps it at its scale.
void f_statistiques::place(int gauche, int haut, int largeur, int hauteur)
{
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / twips_conception)); };
    place_contrôle(*grh, QRect(px(gauche), px(haut), px(largeur), px(hauteur)));
}

// The window's whole width in the design, in twips.
int f_statistiques::largeur_centre() const
{
    return static_cast<int>(place_conception(*centralWidget()).width() * twips_conception);
}

void f_statistiques::graph_Click(int index)
{
    switch (index) {
    case 0: QGuiApplication::clipboard()->setPixmap(grh->grab()); break;
    case 1: {
        // The chart at its own size, in the middle of the page.
        const QImage image = grh->grab().toImage();
        const double largeur = pixels_en_twips(grh->width()), hauteur = pixels_en_twips(grh->height());
        surface_imprimante papier(imprimante());
        const double x = (std::trunc(papier.Width()) - largeur) / 2;
        const double y = (std::trunc(papier.Height()) - hauteur) / 2;
        papier.PaintPicture(image, x, y, largeur, hauteur);
        papier.EndDoc();
        break;
    }
    case 3:
    case 4:
        if (!agrandi_menu_) {
            place(0, 0, largeur_centre(), hauteur_agrandie);
            grh->raise();
        } else {
            place(place_normale[0], place_normale[1], place_normale[2], place_normale[3]);
        }
        agrandi_menu_ = !agrandi_menu_;
        break;
    default: break;
    }
}

void f_statistiques::grh_DblClick()
{
    if (!agrandi_double_clic_) {
        place(0, 0, largeur_centre(), hauteur_agrandie);
        grh->raise();
    } else {
        place(place_double_clic[0], place_double_clic[1], place_double_clic[2], place_double_clic[3]);
    }
    agrandi_double_clic_ = !agrandi_double_clic_;
}
