#include "printing/f_impression.h"

#include "catalogue/polices.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "data/valeurs.h"
#include "printing/grille_membres.h"
#include "printing/liste_membres.h"
#include "printing/selection_membres.h"
#include "ui_common/ajuste_grille.h"
#include "ui_common/controles.h"
#include "ui_common/dialogue_commun.h"
#include "ui_common/export_grille.h"
#include "ui_common/filtre_membres.h"
#include "ui_common/grille_vue.h"
#include "ui_common/impression_grille.h"
#include "ui_common/listes_longues.h"
#include "ui_common/outils.h"
#include "ui_common/pages_aide.h"
#include "ui_common/sablier.h"
#include "ui_common/selections_enregistrees.h"
#include "ui_common/surface_imprimante.h"
#include "ui_common/symboles.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <cmath>

namespace t = textes_f_impression;

namespace {

const QString listes = QStringLiteral("listes");
const QString étiquettes = QStringLiteral("étiquettes");



}  // namespace

visuel_feuille::visuel_feuille(const feuille_étiquettes& f, QWidget* parent) : QWidget(parent), f_(f)
{
    setCursor(Qt::PointingHandCursor);
}

void visuel_feuille::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double l = width() - 1, h = height() - 1;
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    const double lc = l / f_.nb_colonnes, hl = h / f_.nb_lignes;
    if (départ_montré)
        p.fillRect(QRectF(lc * f_.colonne_départ, hl * f_.ligne_départ, lc, hl), Qt::black);
    p.drawLine(QPointF(0, 0), QPointF(0, h));
    p.drawLine(QPointF(0, 0), QPointF(l, 0));
    // The last lines lie on the right and bottom edges.
    for (int i = 1; i <= f_.nb_colonnes; ++i)
        p.drawLine(QPointF(lc * i, 0), QPointF(lc * i, h));
    for (int i = 1; i <= f_.nb_lignes; ++i)
        p.drawLine(QPointF(0, hl * i), QPointF(l, hl * i));
}

void visuel_feuille::mousePressEvent(QMouseEvent* e)
{
    if (clic)
        clic(e->position().x(), e->position().y());
}

f_impression::f_impression(QWidget* parent) : fenêtre_principale(parent)
{
    if (parent)
        setWindowFlag(Qt::Window);
    setWindowTitle(t::titre);
    crée_contrôles();
    crée_menus();
    Form_Load();
}

f_impression::~f_impression() = default;

// ---------------------------------------------------------------- controls

void f_impression::crée_contrôles()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);
    resize(800, 600);

    const auto cadre = &crée_cadre;
    const auto option = &crée_option;
    const auto bouton = &crée_bouton;
    const auto étiquette = &crée_étiquette;
    const auto liste_choix = &crée_liste_choix;
    const auto case_à_cocher = &crée_case;

    // ---- what is printed
    cadre_quoi = cadre(centre, QStringLiteral("cadre_quoi"), QStringLiteral("Quoi ?"), 6, 4, 226, 48);
    auto* groupe_quoi = new QButtonGroup(this);
    op_quoi[0] = option(cadre_quoi, QStringLiteral("op_quoi0"), QStringLiteral("listes"), 12, 20, 90);
    op_quoi[1] = option(cadre_quoi, QStringLiteral("op_quoi1"), QStringLiteral("étiquettes"), 110, 20, 110);
    for (int i = 0; i < 2; ++i) {
        groupe_quoi->addButton(op_quoi[i], i);
        connect(op_quoi[i], &QRadioButton::clicked, this, [this, i] { op_quoi_Click(i); });
    }
    op_quoi[0]->setChecked(true);

    // ---- for whom
    Cadre_extraxction =
        cadre(centre, QStringLiteral("Cadre_extraxction"), QStringLiteral("Pour qui ? "), 6, 56, 226, 290);
    liste = new QListWidget(Cadre_extraxction);
    liste->setObjectName(QStringLiteral("liste"));
    liste->setGeometry(8, 20, 210, 228);
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSortingEnabled(true);
    prépare_liste_longue(*liste);
    liste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(liste, &QListWidget::currentRowChanged, this, [this] { liste_Click(); });
    connect(liste, &QListWidget::customContextMenuRequested, this, [this] { bt_trier_Click(); });
    bt_trier = bouton(Cadre_extraxction, QStringLiteral("bt_trier"), QString(), 8, 254, 40, 28);
    bt_trier->setIcon(icône_symbole(QStringLiteral("✂")));
    bt_trier->setToolTip(QStringLiteral("trier la liste"));
    connect(bt_trier, &QPushButton::clicked, this, [this] { bt_trier_Click(); });
    bt_filtres_eleves = bouton(Cadre_extraxction, QStringLiteral("bt_filtres_eleves"), QString(), 52, 254, 40, 28);
    bt_filtres_eleves->setIcon(icône_symbole(QStringLiteral("⛛")));
    bt_filtres_eleves->setToolTip(QStringLiteral("filtrer la liste"));
    connect(bt_filtres_eleves, &QPushButton::clicked, this, [this] { bt_filtres_eleves_Click(); });
    bt_initialiser =
        bouton(Cadre_extraxction, QStringLiteral("bt_initialiser"), QStringLiteral("initialiser"), 120, 254, 98, 28);
    connect(bt_initialiser, &QPushButton::clicked, this, [this] {
        bt_initialiser_Click();
        liste_changée();
    });

    // ---- text format, both panels
    Frame4 = cadre(centre, QStringLiteral("Frame4"), QStringLiteral("Format des caractères"), 6, 350, 226, 156);
    choix_police = liste_choix(Frame4, QStringLiteral("choix_police"), 8, 22, 150);
    connect(choix_police, &QComboBox::activated, this, [this] { choix_police_Click(); });
    taille_police = liste_choix(Frame4, QStringLiteral("taille_police"), 162, 22, 56);
    connect(taille_police, &QComboBox::activated, this, [this] { taille_police_Click(); });
    bt_gras = bouton(Frame4, QStringLiteral("bt_gras"), QStringLiteral("G"), 8, 52, 30, 26);
    QFont f_gras = bt_gras->font();
    f_gras.setBold(true);
    bt_gras->setFont(f_gras);
    bt_gras->setCheckable(true);
    bt_gras->setToolTip(QStringLiteral("gras"));
    connect(bt_gras, &QPushButton::clicked, this, [this] { bt_gras_Click(); });
    bt_italique = bouton(Frame4, QStringLiteral("bt_italique"), QStringLiteral("I"), 42, 52, 30, 26);
    QFont f_italique = bt_italique->font();
    f_italique.setItalic(true);
    bt_italique->setFont(f_italique);
    bt_italique->setCheckable(true);
    bt_italique->setToolTip(QStringLiteral("italique"));
    connect(bt_italique, &QPushButton::clicked, this, [this] { bt_italique_Click(); });
    bt_ajuster = bouton(Frame4, QStringLiteral("bt_ajuster"), QStringLiteral("&Rafraîchir"), 120, 52, 98, 26);
    connect(bt_ajuster, &QPushButton::clicked, this, [this] { bt_ajuster_Click(); });
    Fond = étiquette(Frame4, QStringLiteral("Image de fond"), 8, 86, 150);
    Fond->setObjectName(QStringLiteral("Fond"));
    ctt_nom_bkg = new QLineEdit(Frame4);
    ctt_nom_bkg->setObjectName(QStringLiteral("ctt_nom_bkg"));
    ctt_nom_bkg->setGeometry(8, 106, 210, 22);
    ctt_nom_bkg->setToolTip(QStringLiteral("Ideal est une image au format de l'étiquette (en mm)"));
    Bt_parcourir_bkg =
        bouton(Frame4, QStringLiteral("Bt_parcourir_bkg"), QStringLiteral("parcourir..."), 128, 130, 90, 22);
    connect(Bt_parcourir_bkg, &QPushButton::clicked, this, [this] { Bt_parcourir_bkg_Click(); });

    // ---- buttons
    bt_imprimer = bouton(centre, QStringLiteral("bt_imprimer"), QString(), 6, 512, 54, 44);
    bt_imprimer->setIcon(icône_symbole(QString::fromUcs4(U"\U0001F5A8")));
    bt_imprimer->setIconSize(QSize(30, 30));
    bt_imprimer->setToolTip(QStringLiteral("Imprime la totalité de la liste"));
    connect(bt_imprimer, &QPushButton::clicked, this, [this] { bt_imprimer_Click(); });
    bt_imprimer_un = bouton(centre, QStringLiteral("bt_imprimer_un"), QString(), 64, 512, 54, 44);
    bt_imprimer_un->setIcon(icône_symbole(QStringLiteral("☑")));
    bt_imprimer_un->setIconSize(QSize(30, 30));
    bt_imprimer_un->setToolTip(QStringLiteral("Imprime la sélection"));
    connect(bt_imprimer_un, &QPushButton::clicked, this, [this] { bt_imprimer_un_Click(); });
    bt_imprimantes = bouton(centre, QStringLiteral("bt_imprimantes"), QString(), 122, 512, 54, 44);
    bt_imprimantes->setIcon(icône_symbole(QStringLiteral("⚙")));
    bt_imprimantes->setIconSize(QSize(30, 30));
    bt_imprimantes->setToolTip(QStringLiteral("choix/configuration de l'imprimante"));
    connect(bt_imprimantes, &QPushButton::clicked, this, [this] { bt_imprimantes_Click(); });
    bt_annuler = bouton(centre, QStringLiteral("bt_annuler"), QString(), 180, 512, 52, 44);
    bt_annuler->setIcon(icône_symbole(QStringLiteral("✖"), QColor(160, 0, 0)));
    bt_annuler->setIconSize(QSize(26, 26));
    bt_annuler->setToolTip(QStringLiteral("Fermer"));
    connect(bt_annuler, &QPushButton::clicked, this, [this] { bt_annuler_Click(); });

    // ---- lists panel
    cadre_listes = cadre(centre, QStringLiteral("cadre_listes"), QStringLiteral("Listes"), 238, 4, 556, 552);
    étiquette(cadre_listes, QStringLiteral("Nombre de colonnes"), 10, 22, 136);
    cb_nbr_cols = liste_choix(cadre_listes, QStringLiteral("cb_nbr_cols"), 150, 20, 50);
    connect(cb_nbr_cols, &QComboBox::activated, this, [this] { cb_nbr_cols_Click(); });
    spin = new QScrollBar(Qt::Vertical, cadre_listes);
    spin->setObjectName(QStringLiteral("spin"));
    spin->setGeometry(204, 18, 16, 28);
    spin->setRange(0, 8);
    spin->setPageStep(1);
    // The upper arrow adds a column.
    spin->setInvertedAppearance(true);
    connect(spin, &QScrollBar::actionTriggered, this, [this] {
        QTimer::singleShot(0, this, [this] { spin_Change(); });
    });
    for (int i = 0; i < 9; ++i) {
        const int x = 10 + (i % 3) * 180, y = 52 + (i / 3) * 44;
        lbl[static_cast<std::size_t>(i) + 1] =
            étiquette(cadre_listes, QStringLiteral("Colonne %1").arg(i + 1), x, y, 170);
        cb_quoi_col[static_cast<std::size_t>(i)] =
            liste_choix(cadre_listes, QStringLiteral("cb_quoi_col%1").arg(i), x, y + 18, 170);
        connect(cb_quoi_col[static_cast<std::size_t>(i)], &QComboBox::activated, this,
                [this, i] { cb_quoi_col_Click(i); });
    }
    vue_gg = new vue_grille(gg, cadre_listes);
    vue_gg->setObjectName(QStringLiteral("gg"));
    vue_gg->setGeometry(10, 188, 536, 218);
    vue_gg->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vue_gg, &QWidget::customContextMenuRequested, this, [this] { édition->popup(QCursor::pos()); });
    étiquette(cadre_listes, QStringLiteral("Titre :"), 10, 414, 44);
    ctt_titre = new QLineEdit(QStringLiteral("Adhérents"), cadre_listes);
    ctt_titre->setObjectName(QStringLiteral("ctt_titre"));
    ctt_titre->setGeometry(56, 412, 270, 22);
    auto* groupe_entête = new QButtonGroup(this);
    static const char* entêtes[] = {"Imprimer l'entête", "Imprimer le logo", "Ni entête ni logo"};
    for (int i = 0; i < 3; ++i) {
        Op_entête[static_cast<std::size_t>(i)] = option(cadre_listes, QStringLiteral("Op_entête%1").arg(i),
                                                        QString::fromUtf8(entêtes[i]), 10, 444 + 24 * i, 160);
        groupe_entête->addButton(Op_entête[static_cast<std::size_t>(i)], i);
        connect(Op_entête[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { Op_entête_Click(i); });
    }
    auto* groupe_largeur = new QButtonGroup(this);
    Op_largeur[1] = option(cadre_listes, QStringLiteral("Op_largeur1"), QStringLiteral("largeur de la page"), 176,
                           444, 150);
    Op_largeur[0] = option(cadre_listes, QStringLiteral("Op_largeur0"), QStringLiteral("largeur de la grille"), 176,
                           468, 150);
    for (int i = 0; i < 2; ++i) {
        groupe_largeur->addButton(Op_largeur[static_cast<std::size_t>(i)], i);
        connect(Op_largeur[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Op_largeur_Click(i); });
    }
    étiquette(cadre_listes, QStringLiteral("en mm:"), 178, 494, 50);
    ctt_largeur = new QLineEdit(cadre_listes);
    ctt_largeur->setObjectName(QStringLiteral("ctt_largeur"));
    ctt_largeur->setGeometry(228, 492, 106, 22);
    ctt_largeur->installEventFilter(this);
    cadre_tronc = cadre(cadre_listes, QStringLiteral("cadre_tronc"), QStringLiteral("Texte trop long"), 340, 406,
                        206, 72);
    auto* groupe_tronc = new QButtonGroup(this);
    op_tronc[1] = option(cadre_tronc, QStringLiteral("op_tronc1"), QStringLiteral("Renvoyer à la ligne"), 10, 20, 190);
    op_tronc[0] = option(cadre_tronc, QStringLiteral("op_tronc0"), QStringLiteral("Tronquer"), 10, 44, 190);
    groupe_tronc->addButton(op_tronc[1], 1);
    groupe_tronc->addButton(op_tronc[0], 0);
    Chk_horizontales = case_à_cocher(cadre_listes, QStringLiteral("Chk_horizontales"),
                                     QStringLiteral("Lignes horizontales "), 344, 484, 200);
    chk_verticales = case_à_cocher(cadre_listes, QStringLiteral("chk_verticales"), QStringLiteral("Lignes verticales"),
                                   344, 508, 200);
    Op_entête[0]->setChecked(true);
    Op_largeur[1]->setChecked(true);
    op_tronc[1]->setChecked(true);

    // ---- labels panel
    cadre_étiquettes = cadre(centre, QStringLiteral("cadre_étiquettes"), QStringLiteral("Etiquettes"), 238, 4, 556, 552);
    cadre_format = cadre(cadre_étiquettes, QStringLiteral("cadre_format"), QStringLiteral("Format des étiquettes:"), 10,
                         20, 330, 280);
    étiquette(cadre_format, QStringLiteral("Colonnes:"), 10, 26, 70);
    nombre_colonnes = liste_choix(cadre_format, QStringLiteral("nombre_colonnes"), 80, 24, 60);
    connect(nombre_colonnes, &QComboBox::activated, this, [this] { nombre_colonnes_Click(); });
    étiquette(cadre_format, QStringLiteral("Lignes:"), 10, 58, 70);
    Nombre_lignes = liste_choix(cadre_format, QStringLiteral("Nombre_lignes"), 80, 56, 60);
    connect(Nombre_lignes, &QComboBox::activated, this, [this] { Nombre_lignes_Click(); });
    Visuel = new visuel_feuille(feuille, cadre_format);
    Visuel->setObjectName(QStringLiteral("Visuel"));
    Visuel->setGeometry(176, 22, 140, 198);
    Visuel->setToolTip(QStringLiteral("Sélectionner l'étiquette de départ"));
    Visuel->clic = [this](double x, double y) { Visuel_MouseDown(x, y); };
    Chk_marg_gd = case_à_cocher(cadre_format, QStringLiteral("Chk_marg_gd"), QStringLiteral("Marges gauche droite"),
                                10, 228, 310);
    Chk_marg_hb = case_à_cocher(cadre_format, QStringLiteral("Chk_marg_hb"),
                                QStringLiteral("Marges haut et bas de feuilles"), 10, 252, 310);
    connect(Chk_marg_gd, &QCheckBox::clicked, this, [this] { dessine_aperçu(); });
    connect(Chk_marg_hb, &QCheckBox::clicked, this, [this] { dessine_aperçu(); });
    cadre_mode = cadre(cadre_étiquettes, QStringLiteral("cadre_mode"), QStringLiteral("Mode:"), 350, 20, 196, 124);
    auto* groupe_sortie = new QButtonGroup(this);
    static const char* modes[] = {"Etiquettes", "Publipostage", "Cartes adhérents", "Cartes de visite"};
    for (int i = 0; i < 4; ++i) {
        sortie[static_cast<std::size_t>(i)] =
            option(cadre_mode, QStringLiteral("sortie%1").arg(i), QString::fromUtf8(modes[i]), 10, 22 + 24 * i, 176);
        groupe_sortie->addButton(sortie[static_cast<std::size_t>(i)], i);
        connect(sortie[static_cast<std::size_t>(i)], &QRadioButton::clicked, this, [this, i] { sortie_Click(i); });
    }
    sortie[0]->setChecked(true);
    zone_modèle = new QWidget(cadre_étiquettes);
    zone_modèle->setObjectName(QStringLiteral("zone_modèle"));
    zone_modèle->setGeometry(10, 306, 536, 240);
    cadre_carte = new QLabel(zone_modèle);
    cadre_carte->setObjectName(QStringLiteral("cadre_carte"));
    cadre_carte->setFrameShape(QFrame::Box);
    cadre_carte->setAlignment(Qt::AlignCenter);
    // The model is drawn to fill its room, whatever size the window gives it.
    placé_par_la_fenêtre(*cadre_carte);
    zone_modèle->installEventFilter(this);
}

void f_impression::crée_menus()
{
    QMenuBar* barre = menuBar();
    extraire = barre->addMenu(QStringLiteral("Extraire"));
    extraire->setObjectName(QStringLiteral("extraire"));
    static const char* actions[] = {"garder les éléments sélectionnés", "NE garder QUE les éléments NON sélectionnés",
                                    "Garder un par foyer", "Remettre tous :-)"};
    for (int i = 0; i < 4; ++i) {
        ext[i] = extraire->addAction(QString::fromUtf8(actions[i]), this, [this, i] { ext_Click(i); });
        ext[i]->setObjectName(QStringLiteral("ext%1").arg(i));
    }
    connect(extraire, &QMenu::aboutToShow, this, [this] { extraire_Click(); });

    édition = barre->addMenu(QStringLiteral("Edition"));
    édition->setObjectName(QStringLiteral("édition"));
    static const char* éditions[] = {"Copier la grille", "Copier la sélection", "Imprimer la grille",
                                     "Enregistrer la grille au format txt", "Enregistrer la grille au format html"};
    for (int i = 0; i < 5; ++i) {
        gr[static_cast<std::size_t>(i)] =
            édition->addAction(QString::fromUtf8(éditions[i]), this, [this, i] { gr_Click(i); });
        gr[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("gr%1").arg(i));
    }

    aide = barre->addMenu(QStringLiteral("Aide"));
    aide->setObjectName(QStringLiteral("aide"));
    aide_sommaire = aide->addAction(QStringLiteral("Sommaire de l'aide"), this, [this] { aide_sommaire_Click(); });
    aide_adh = aide->addAction(QStringLiteral("Aide de la page"), this, [this] { aide_adh_Click(); });
    aide_gr = aide->addAction(QStringLiteral("Astuces de la grille"), this, [this] { aide_gr_Click(); });
    aide_choix = aide->addAction(QStringLiteral("Sélection dans la liste"), this, [this] { aide_choix_Click(); });
}

// ---------------------------------------------------------------- loading

void f_impression::Form_Load()
{
    adapte_feuille_écran(*this);
    sablier attente;
    affiche_fond(*this);

    chargement_en_cours = true;
    mode_impression = listes;
    type_sortie = sorties::étiquette;
    hauteur_page = surface_imprimante(imprimante()).Height();
    const double largeur = largeur_papier();
    ctt_largeur->setText(largeur_page_mm(largeur));
    feuille.largeur_page = largeur;
    feuille.hauteur_page = hauteur_page;

    bt_initialiser_Click();

    for (int n = colonnes_min; n <= colonnes_max; ++n)
        nombre_colonnes->addItem(QStringLiteral(" %1").arg(n));
    for (int n = lignes_min; n <= lignes_max; ++n)
        Nombre_lignes->addItem(QStringLiteral(" %1").arg(n));
    nombre_colonnes->setCurrentIndex(1);
    Nombre_lignes->setCurrentIndex(3);
    nombre_colonnes_Click();

    choix_police->addItems(polices_imprimante());
    int indice = 0;
    for (int i = 0; i < choix_police->count(); ++i)
        if (choix_police->itemText(i).trimmed() == données.police_offres[0].trimmed()) {
            indice = i;
            break;
        }
    choix_police->setCurrentIndex(indice);
    for (int n = 6; n <= 48; ++n)
        taille_police->addItem(QStringLiteral(" %1").arg(n));
    taille_police->setCurrentIndex(6);
    taille_police_impression = 12;
    choix_police_Click();
    taille_police_Click();

    for (int i = 0; i < colonnes_liste_max; ++i)
        cb_nbr_cols->addItem(QString::number(i + 1));
    const QStringList titres = titres_colonnes();
    for (int i = 0; i < colonnes_liste_max; ++i) {
        cb_quoi_col[static_cast<std::size_t>(i)]->addItems(titres);
        cb_quoi_col[static_cast<std::size_t>(i)]->setCurrentIndex(i);
    }

    chargement_en_cours = false;
    cb_nbr_cols->setCurrentIndex(1);
    cb_nbr_cols_Click();
    montre_panneau_étiquettes(false);
}

double f_impression::largeur_papier() const
{
    return surface_imprimante(imprimante()).Width();
}

void f_impression::montre_panneau_étiquettes(bool oui)
{
    cadre_listes->setVisible(!oui);
    cadre_étiquettes->setVisible(oui);
    Fond->setVisible(oui);
    ctt_nom_bkg->setVisible(oui);
    Bt_parcourir_bkg->setVisible(oui);
    bt_gras->setChecked(oui ? gras_étiquettes : gg.FontBold());
    bt_italique->setChecked(oui ? italique_étiquettes : gg.FontItalic());
}

void f_impression::op_quoi_Click(int index)
{
    if (index == 0 || index == 1)
        op_quoi[static_cast<std::size_t>(index)]->setChecked(true);
    montre_panneau_étiquettes(index == 1);
    if (index == 0) {
        mode_impression = listes;
        return;
    }
    if (index != 1)
        return;
    mode_impression = étiquettes;
    type_sortie = sorties::étiquette;
    if (liste->count() > 0) {
        const QSignalBlocker silence(liste);
        liste->setCurrentRow(0);
        adhérent_modèle = liste->item(0)->data(Qt::UserRole).toInt();
    }
    sortie[0]->setChecked(true);
    sortie_Click(0);
    chargement_en_cours = false;
    dessine_aperçu();
}

void f_impression::aide_sommaire_Click() { ouvre_aide(QStringLiteral("index")); }
void f_impression::aide_adh_Click() { ouvre_aide(QStringLiteral("adherents")); }
void f_impression::aide_gr_Click() { ouvre_aide(QStringLiteral("techn_grille")); }
void f_impression::aide_choix_Click() { ouvre_aide(QStringLiteral("techn_choix")); }

void f_impression::bt_imprimantes_Click()
{
    configure_imprimante();
    // A printer of another paper gives other labels.
    feuille.largeur_page = largeur_papier();
    dessine_aperçu();
}

void f_impression::bt_annuler_Click() { close(); }

// Closing while labels print would pull the list from under the run: the run
// is asked to stop, and the window closes at the next request.
void f_impression::Form_QueryUnload(bool& cancel)
{
    if (!impression_en_cours_)
        return;
    arrêt_demandé = true;
    cancel = true;
}

// ---------------------------------------------------------------- the selection list

void f_impression::bt_initialiser_Click()
{
    remplit_tous_adhérents(*liste);
}

void f_impression::liste_changée()
{
    if (mode_impression == listes)
        compose_grille();
}

void f_impression::bt_filtres_eleves_Click()
{
    liste->clear();
    montre_filtre_membres(QStringLiteral("impression"));
    liste_changée();
}

void f_impression::remplit_menu_états()
{
    remplit_menu_sélections(*extraire, ext, 4, [this](int n) { ext_Click(n); });
}

void f_impression::bt_trier_Click()
{
    remplit_menu_états();
    extraire->popup(QCursor::pos());
}

void f_impression::extraire_Click() { remplit_menu_états(); }

void f_impression::ext_Click(int index)
{
    switch (index) {
    case 0: garde_sélection(*liste, true); break;
    case 1: garde_sélection(*liste, false); break;
    case 2: garde_un_par_foyer(*liste); break;
    case 3: bt_initialiser_Click(); break;
    default:
        if (const QString fichier = fichier_de_l_item(ext, index); !fichier.isEmpty())
            charge_etat(fichier, liste);
        break;
    }
    liste_changée();
}

void f_impression::liste_Click()
{
    const int i = liste->currentRow();
    if (i < 0 || !liste->item(i))
        return;
    adhérent_modèle = liste->item(i)->data(Qt::UserRole).toInt();
    dessine_aperçu();
}

// ---------------------------------------------------------------- the sheet and the model

réglages_étiquettes f_impression::réglages() const
{
    réglages_étiquettes r;
    r.type_sortie = type_sortie;
    r.feuille = feuille;
    r.feuille.marges_gd = Chk_marg_gd->isChecked();
    r.feuille.marges_hb = Chk_marg_hb->isChecked();
    r.police = {police_impression, static_cast<double>(taille_police_impression), gras_étiquettes,
                italique_étiquettes};
    r.fond = ctt_nom_bkg->text();
    return r;
}

void f_impression::nombre_colonnes_Click()
{
    change_format(feuille, nombre_colonnes->currentIndex() + colonnes_min, Nombre_lignes->currentIndex() + lignes_min);
    relance_modèle_feuille();
}

// Fewer rows could leave the start label off the sheet: it goes back to the
// first label here too.
void f_impression::Nombre_lignes_Click() { nombre_colonnes_Click(); }

void f_impression::relance_modèle_feuille()
{
    Visuel->départ_montré = false;
    Visuel->update();
    dessine_aperçu();
}

void f_impression::dessine_aperçu()
{
    if (chargement_en_cours)
        return;
    if (taille_police->currentIndex() >= 0)
        taille_police_impression = taille_police->currentIndex() + 6;
    const réglages_étiquettes r = réglages();
    const QSizeF taille = taille_modèle(r);
    const QSize place = zone_modèle->size() - QSize(4, 4);
    if (taille.isEmpty() || place.isEmpty())
        return;
    // The model fills its place, at the label's own proportions.
    const double points_par_pouce = std::min(place.width() / (taille.width() / twips_par_pouce),
                                             place.height() / (taille.height() / twips_par_pouce));
    modèle_ = image_modèle(r, adhérent_modèle, points_par_pouce);
    cadre_carte->setPixmap(QPixmap::fromImage(modèle_));
    const QSize s = modèle_.size() + QSize(2, 2);
    cadre_carte->setGeometry((zone_modèle->width() - s.width()) / 2, 0, s.width(), s.height());
}

// ---------------------------------------------------------------- printing

void f_impression::bt_imprimer_Click()
{
    arrêt_demandé = false;
    if (mode_impression == étiquettes)
        imprimer_étiquettes();
    else if (mode_impression == listes)
        imprime_liste();
}

void f_impression::bt_imprimer_un_Click()
{
    arrêt_demandé = false;
    garde_sélection(*liste, true);
    if (liste->count() == 0) {
        MsgBox(t::aucun_sélectionné, style_boîte::information);
        bt_initialiser_Click();
        liste_changée();
        return;
    }
    // The list grid prints what the list now holds.
    liste_changée();
    bt_imprimer_Click();
}

void f_impression::bloque_pendant_impression(bool bloque)
{
    centralWidget()->setEnabled(!bloque);
    menuBar()->setEnabled(!bloque);
}

void f_impression::imprimer_étiquettes()
{
    feuille.largeur_page = largeur_papier();
    const réglages_étiquettes r = réglages();
    const std::vector<int> numéros = numéros_liste(*liste);
    arrêt_demandé = false;
    sablier attente;
    bloque_pendant_impression(true);
    impression_en_cours_ = true;
    try {
        surface_imprimante s(imprimante());
        suivi_impression suivi;
        // The model follows the run, member by member.
        suivi.entrée = [this](int i) {
            if (i < liste->count())
                liste->setCurrentRow(i, QItemSelectionModel::NoUpdate);
        };
        suivi.continuer = [] {
            QCoreApplication::processEvents();
            return !arrêt_demandé;
        };
        ::imprimer_étiquettes(s, r, numéros, suivi);
    } catch (const std::exception& e) {
        attente.relâche();
        MsgBox(QString::fromUtf8(e.what()), style_boîte::exclamation);
    }
    impression_en_cours_ = false;
    bloque_pendant_impression(false);
}

// ---------------------------------------------------------------- label options

void f_impression::sortie_Click(int index)
{
    if (index >= 0 && index < 4)
        sortie[static_cast<std::size_t>(index)]->setChecked(true);
    nombre_colonnes->setEnabled(index < 1);
    Nombre_lignes->setEnabled(index < 1);
    switch (index) {
    case 0: type_sortie = sorties::étiquette; break;
    case 1: type_sortie = sorties::publipostage; break;
    case 2:
    case 3:
        // Cards are always two across and four down.
        type_sortie = index == 2 ? sorties::carte_adh : sorties::carte_id;
        Nombre_lignes->setCurrentIndex(0);
        nombre_colonnes->setCurrentIndex(0);
        nombre_colonnes_Click();
        break;
    default: return;
    }
    dessine_aperçu();
}

void f_impression::Visuel_MouseDown(double x, double y)
{
    choisit_départ(feuille, x, y, Visuel->width(), Visuel->height());
    Visuel->départ_montré = true;
    Visuel->update();
}

void f_impression::choix_police_Click()
{
    police_impression = choix_police->currentText();
    if (mode_impression == étiquettes) {
        dessine_aperçu();
    } else if (mode_impression == listes) {
        gg.setFontName(police_impression);
        gg.setFontSize(static_cast<float>(taille_police_impression));
        ajuste_grille(gg);
        ajuste_hauteurs_lignes(gg);
    }
}

void f_impression::taille_police_Click()
{
    taille_police_impression = taille_police->currentIndex() + 6;
    gg.setFontSize(static_cast<float>(taille_police_impression));
    if (mode_impression == étiquettes) {
        dessine_aperçu();
    } else if (mode_impression == listes) {
        compose_grille();
        ajuste_grille(gg);
    }
}

void f_impression::bt_gras_Click()
{
    if (mode_impression == étiquettes) {
        gras_étiquettes = !gras_étiquettes;
        bt_gras->setChecked(gras_étiquettes);
        dessine_aperçu();
    } else if (mode_impression == listes) {
        gg.setFontBold(!gg.FontBold());
        bt_gras->setChecked(gg.FontBold());
        ajuste_grille(gg);
        ajuste_hauteurs_lignes(gg);
    }
}

void f_impression::bt_italique_Click()
{
    if (mode_impression == étiquettes) {
        italique_étiquettes = !italique_étiquettes;
        bt_italique->setChecked(italique_étiquettes);
        dessine_aperçu();
    } else if (mode_impression == listes) {
        gg.setFontItalic(!gg.FontItalic());
        bt_italique->setChecked(gg.FontItalic());
    }
}

void f_impression::bt_ajuster_Click() { dessine_aperçu(); }

void f_impression::Bt_parcourir_bkg_Click()
{
    ctt_nom_bkg->setText(choisit_image());
    dessine_aperçu();
}

// ---------------------------------------------------------------- the member list grid

void f_impression::compose_grille()
{
    const int n = cb_nbr_cols->currentIndex() + 1;
    if (n < 1)
        return;
    std::vector<int> choix;
    for (int i = 0; i < n && i < colonnes_liste_max; ++i)
        choix.push_back(cb_quoi_col[static_cast<std::size_t>(i)]->currentIndex());
    colonne_mél = ::compose_grille(gg, numéros_liste(*liste), choix);
    ajuste_hauteurs_lignes(gg);
}

void f_impression::cb_nbr_cols_Click()
{
    const int choisi = cb_nbr_cols->currentIndex();
    for (int i = 0; i < colonnes_liste_max; ++i) {
        cb_quoi_col[static_cast<std::size_t>(i)]->setVisible(i <= choisi);
        lbl[static_cast<std::size_t>(i) + 1]->setVisible(i <= choisi);
    }
    const QSignalBlocker silence(spin);
    spin->setValue(std::max(choisi, 0));
    compose_grille();
}

void f_impression::cb_quoi_col_Click(int)
{
    if (!chargement_en_cours)
        compose_grille();
}

void f_impression::spin_Change()
{
    cb_nbr_cols->setCurrentIndex(spin->value());
    cb_nbr_cols_Click();
}

void f_impression::gr_Click(int index)
{
    switch (index) {
    case 0: copie_grille(gg); break;
    case 1: copie_sélection(gg); break;
    case 2: {
        surface_imprimante s(imprimante());
        imprime_grille(s, gg, s.Width() - 800, ctt_titre->text(), false, false, false);
        s.EndDoc();
        break;
    }
    case 3: enregistre_grille(gg, QStringLiteral("adhérents1"), 1); break;
    case 4:
        enregistre_html(grille_en_html(gg, ctt_titre->text(), 0, 0, QString(), QString(), colonne_mél));
        break;
    default: break;
    }
}

// ---------------------------------------------------------------- the member list printing

void f_impression::imprime_liste()
{
    // The width is checked as leaving its box checks it: a refused one is
    // told and replaced by its preset, and nothing is printed.
    if (!largeur_acceptable(ctt_largeur->text(), largeur_papier())) {
        ctt_largeur_LostFocus();
        return;
    }
    options_liste o;
    o.titre = ctt_titre->text();
    o.choix_entête = choix_entête;
    o.largeur_mm = ctt_largeur->text();
    o.horizontales = Chk_horizontales->isChecked();
    o.verticales = chk_verticales->isChecked();
    o.tronquer = op_tronc[0]->isChecked();
    surface_imprimante s(imprimante());
    ::imprime_liste(s, gg, o);
}

void f_impression::Op_entête_Click(int index) { choix_entête = index; }

void f_impression::Op_largeur_Click(int index)
{
    if (index == 0)
        ctt_largeur->setText(texte_largeur_grille_mm(gg, largeur_papier()));
    else if (index == 1)
        ctt_largeur->setText(largeur_page_mm(largeur_papier()));
}

QChar f_impression::ctt_largeur_KeyPress(QChar c)
{
    return c.unicode() > u'9' ? QChar() : c;
}

void f_impression::ctt_largeur_LostFocus()
{
    if (largeur_acceptable(ctt_largeur->text(), largeur_papier()))
        return;
    MsgBox(t::dimension_incorrecte, style_boîte::information);
    Op_largeur_Click(Op_largeur[0]->isChecked() ? 0 : 1);
}

bool f_impression::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == zone_modèle && e->type() == QEvent::Resize && !modèle_.isNull())
        dessine_aperçu();
    if (objet == ctt_largeur) {
        if (e->type() == QEvent::KeyPress) {
            const QString texte = static_cast<QKeyEvent*>(e)->text();
            if (!texte.isEmpty() && texte[0].isPrint() && ctt_largeur_KeyPress(texte[0]).isNull())
                return true;
        } else if (e->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, ctt_largeur, &QLineEdit::selectAll);
        } else if (e->type() == QEvent::FocusOut && focus_de_l_utilisateur(e)) {
            ctt_largeur_LostFocus();
        }
    }
    return fenêtre_principale::eventFilter(objet, e);
}
