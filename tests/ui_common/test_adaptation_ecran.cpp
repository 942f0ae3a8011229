// Fitting a window to its screen: the factors, the sizes and fonts they
// give, and the one placement that holds at start-up and after every resize.
#include "ui_common/adaptation_ecran.h"

#include "ui_common/grille.h"
#include "ui_common/grille_vue.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

police_contrôle arial(double taille, bool gras = false) { return {QStringLiteral("Arial"), taille, gras}; }

}  // namespace

// ---------------------------------------------------------------- screen fit
TEST(AdaptationÉcran, UnÉcranDeLaLargeurDeConceptionNeChangeRien)
{
    const facteurs_écran f = facteurs_pour_écran(12000, 7000);
    EXPECT_TRUE(f.inchangé());
    EXPECT_FLOAT_EQ(taille_feuille_adaptée({0, 0, 11000, 8000}, false, f, 12000, 7000).hauteur, 8000);
    EXPECT_FLOAT_EQ(cadre_contrôle_adapté({10, 900, 1200, 300}, f).haut, 900);
    EXPECT_EQ(police_adaptée(arial(10, true), f).nom, "Arial");
}

TEST(AdaptationÉcran, PetitÉcranRéduitContrôlesEtPolices)
{
    const facteurs_écran f = facteurs_pour_écran(9600, 7200);
    const cadre_twips c = cadre_contrôle_adapté({500, 900, 1200, 375}, f);
    EXPECT_FLOAT_EQ(c.gauche, 400);
    EXPECT_FLOAT_EQ(c.haut, 720);
    EXPECT_FLOAT_EQ(c.largeur, 960);
    EXPECT_FLOAT_EQ(c.hauteur, 300);
    for (const auto& [avant, après] : {std::pair{8.0, 7.0}, {10.0, 9.0}, {12.0, 10.0}, {8.25, 7.0}}) {
        const police_contrôle p = police_adaptée(arial(avant, true), f);
        EXPECT_EQ(p.nom, "Arial Narrow");
        EXPECT_FALSE(p.gras);
        EXPECT_DOUBLE_EQ(p.taille, après) << avant;
    }
    // Wider than the design but not as tall: the fonts follow the smaller factor.
    EXPECT_DOUBLE_EQ(police_adaptée(arial(12), facteurs_pour_écran(14400, 7200)).taille, 10);
}

TEST(AdaptationÉcran, GrandÉcranAgranditSansDépasserEtLesPolicesSuivent)
{
    const facteurs_écran f = facteurs_pour_écran(15360, 11520);
    EXPECT_FLOAT_EQ(taille_feuille_adaptée({0, 0, 11000, 6000}, false, f, 15360, 11520).largeur, 14080);
    const cadre_twips large = taille_feuille_adaptée({0, 0, 12500, 9500}, false, f, 15360, 11520);
    EXPECT_FLOAT_EQ(large.largeur, 15360);
    EXPECT_FLOAT_EQ(large.hauteur, 11520);
    EXPECT_FLOAT_EQ(taille_feuille_adaptée({0, 0, 11000, 6000}, true, f, 15360, 11520).largeur, 11000);
    // Grown controls with the design's small type would leave their
    // captions unreadable on a large screen: the type grows with them.
    const police_contrôle p = police_adaptée(arial(10, true), f);
    EXPECT_EQ(p.nom, "Arial");
    EXPECT_NEAR(p.taille, 12.8, 1e-5);
    EXPECT_TRUE(p.gras);
}

TEST(AdaptationÉcran, LaFenêtreEtSesContrôles)
{
    QWidget feuille;
    feuille.resize(800, 600);
    QFont dix(QStringLiteral("Arial"), 10);
    dix.setBold(true);
    feuille.setFont(dix);
    auto* bouton = new QPushButton(QStringLiteral("Valider"), &feuille);
    bouton->setGeometry(80, 40, 80, 25);
    auto* cadre = new QGroupBox(QStringLiteral("Adresse"), &feuille);
    cadre->setGeometry(100, 100, 400, 200);
    auto* étiquette = new QLabel(QStringLiteral("Rue"), cadre);  // inherits the window's font
    étiquette->setGeometry(20, 30, 100, 20);
    auto* liste = new QComboBox(cadre);
    liste->setEditable(true);
    liste->setGeometry(20, 60, 200, 25);
    auto* menu = new QMenuBar(&feuille);
    const QFont police_menu = menu->font();
    // Controls placed by a layout are left to it.
    auto* panneau = new QWidget(&feuille);
    panneau->setGeometry(500, 400, 200, 100);
    auto* rangée = new QVBoxLayout(panneau);
    auto* dans_rangée = new QPushButton(QStringLiteral("OK"), panneau);
    rangée->addWidget(dans_rangée);
    const QRect avant_rangée = dans_rangée->geometry();

    adapte_feuille(feuille, 9600, 7200);

    EXPECT_EQ(feuille.size(), QSize(640, 480));
    EXPECT_EQ(bouton->geometry(), QRect(64, 32, 64, 20));
    EXPECT_EQ(cadre->geometry(), QRect(80, 80, 320, 160));
    EXPECT_EQ(étiquette->geometry(), QRect(16, 24, 80, 16));
    EXPECT_EQ(liste->geometry(), QRect(16, 48, 160, 20));
    EXPECT_EQ(panneau->geometry(), QRect(400, 320, 160, 80));
    EXPECT_EQ(dans_rangée->geometry(), avant_rangée);
    // A combo box's edit field is its own business: it follows the box.
    EXPECT_FALSE(liste->lineEdit()->testAttribute(Qt::WA_SetFont));
    for (const QWidget* w : std::initializer_list<const QWidget*>{bouton, cadre, étiquette, liste, dans_rangée}) {
        EXPECT_EQ(w->font().family(), "Arial Narrow");
        EXPECT_FALSE(w->font().bold());
        // Read before any change: an inheriting child shrinks once, not twice.
        EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 9);
    }
    EXPECT_EQ(feuille.font(), dix);  // the window's own font stays
    EXPECT_EQ(menu->font(), police_menu);
}

TEST(AdaptationÉcran, UneFenêtreMaximiséeGardeSaTailleEtSesContrôlesLaSuivent)
{
    QWidget feuille;
    feuille.resize(700, 500);
    auto* bouton = new QPushButton(&feuille);
    bouton->setGeometry(100, 100, 100, 30);
    feuille.setWindowState(Qt::WindowMaximized);
    adapte_feuille(feuille, 15360, 11520);
    EXPECT_EQ(feuille.size(), QSize(700, 500));
    // Scaled for a screen the window does not fill, the button would stand
    // where the window is not: it follows the window's own size.
    EXPECT_EQ(bouton->geometry(), QRect(100, 100, 100, 30));
    feuille.setWindowState(Qt::WindowNoState);
    feuille.show();
    feuille.resize(770, 550);
    QApplication::processEvents();
    EXPECT_EQ(bouton->geometry(), QRect(110, 110, 110, 33));
}


// ---------------------------------------------------------------- after the fit
namespace {

// A window of 400 x 300 designed pixels: a button, a frame holding a label,
// in 10-point Arial.
struct fenêtre_essai {
    QWidget feuille;
    QPushButton* bouton;
    QGroupBox* cadre;
    QLabel* étiquette;
    fenêtre_essai()
    {
        feuille.resize(400, 300);
        feuille.setFont(QFont(QStringLiteral("Arial"), 10));
        bouton = new QPushButton(QStringLiteral("Valider"), &feuille);
        bouton->setGeometry(40, 30, 80, 24);
        cadre = new QGroupBox(QStringLiteral("Adresse"), &feuille);
        cadre->setGeometry(150, 30, 200, 100);
        étiquette = new QLabel(QStringLiteral("Rue"), cadre);
        étiquette->setGeometry(10, 20, 60, 20);
    }
    void taille(int l, int h)
    {
        feuille.resize(l, h);
        QApplication::processEvents();
    }
};

}  // namespace

TEST(PlacementDesContrôles, LeMêmeAuDépartEtÀChaqueRedimensionnement)
{
    fenêtre_essai f;
    adapte_feuille(f.feuille, 24000, 18000);  // twice the design
    EXPECT_EQ(f.feuille.size(), QSize(800, 600));
    EXPECT_EQ(f.bouton->geometry(), QRect(80, 60, 160, 48));
    EXPECT_EQ(f.étiquette->geometry(), QRect(20, 40, 120, 40));
    EXPECT_DOUBLE_EQ(f.bouton->font().pointSizeF(), 20);
    EXPECT_DOUBLE_EQ(f.étiquette->font().pointSizeF(), 20);
    f.feuille.show();

    // Wider than tall: places follow each direction, the type the smaller.
    f.taille(600, 600);
    EXPECT_EQ(f.bouton->geometry(), QRect(60, 60, 120, 48));
    EXPECT_EQ(f.cadre->geometry(), QRect(225, 60, 300, 200));
    EXPECT_EQ(f.étiquette->geometry(), QRect(15, 40, 90, 40));
    EXPECT_DOUBLE_EQ(f.bouton->font().pointSizeF(), 15);

    // Back and forth leaves nothing drifting: each place comes from the design.
    for (int i = 0; i < 5; ++i) {
        f.taille(397, 301);
        f.taille(1013, 757);
    }
    f.taille(400, 300);
    EXPECT_EQ(f.bouton->geometry(), QRect(40, 30, 80, 24));
    EXPECT_EQ(f.étiquette->geometry(), QRect(10, 20, 60, 20));
    EXPECT_EQ(f.bouton->font().family(), "Arial");
    EXPECT_DOUBLE_EQ(f.bouton->font().pointSizeF(), 10);
    f.taille(800, 600);
    EXPECT_EQ(f.bouton->geometry(), QRect(80, 60, 160, 48));
    EXPECT_DOUBLE_EQ(échelle_polices(f.feuille), 2);
}

TEST(PlacementDesContrôles, LesPolicesSuiventLaRésolutionDeLÉcran)
{
    // One 1920 x 1080 screen at 96 and at 120 dots per inch: the controls
    // take the same pixels, and so do the fonts, that is fewer points where a
    // point takes more pixels.
    fenêtre_essai à_96, à_120;
    adapte_feuille(à_96.feuille, 1920 * 15, 1080 * 15, 15);
    adapte_feuille(à_120.feuille, 1920 * 12, 1080 * 12, 12);
    EXPECT_EQ(à_96.feuille.size(), QSize(960, 540));
    EXPECT_EQ(à_120.feuille.size(), à_96.feuille.size());
    EXPECT_EQ(à_120.étiquette->geometry(), à_96.étiquette->geometry());
    EXPECT_NEAR(à_96.bouton->font().pointSizeF(), 18, 1e-5);
    EXPECT_NEAR(à_120.bouton->font().pointSizeF(), 14.4, 1e-5);
    EXPECT_NEAR(échelle_polices(à_120.feuille), 1.44, 1e-6);
    // A screen as wide as the design in twips changes nothing in twips: the
    // window keeps its design twips, in this screen's pixels, and its fonts.
    fenêtre_essai native;
    adapte_feuille(native.feuille, 12000, 9000, 12);
    EXPECT_EQ(native.feuille.size(), QSize(500, 375));
    EXPECT_DOUBLE_EQ(native.bouton->font().pointSizeF(), 10);
}

TEST(PlacementDesContrôles, CeQueLeProgrammeDéplaceOuChangeEnsuite)
{
    fenêtre_essai f;
    auto* page = new QLabel(&f.feuille);
    page->setGeometry(0, 200, 100, 100);
    placé_par_la_fenêtre(*page);
    adapte_feuille(f.feuille, 18000, 13500);  // one and a half
    f.feuille.show();
    QApplication::processEvents();

    // A new place given in the design's terms stands at the window's scale.
    place_contrôle(*f.bouton, QRect(40, 200, 80, 24));
    EXPECT_EQ(f.bouton->geometry(), QRect(60, 300, 120, 36));
    EXPECT_EQ(place_conception(*f.bouton), QRect(40, 200, 80, 24));
    // A font chosen by the program is a design font: it scales at once.
    f.étiquette->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    EXPECT_DOUBLE_EQ(f.étiquette->font().pointSizeF(), 18);
    EXPECT_TRUE(f.étiquette->font().bold());
    // What the window places itself stays where it puts it.
    page->setGeometry(5, 450, 700, 900);

    f.taille(400, 300);
    EXPECT_EQ(f.bouton->geometry(), QRect(40, 200, 80, 24));
    EXPECT_DOUBLE_EQ(f.étiquette->font().pointSizeF(), 12);
    EXPECT_EQ(page->geometry(), QRect(5, 450, 700, 900));
}

TEST(PlacementDesContrôles, UneBarreDeMenusSuitLaLargeurDeSaFenêtre)
{
    QWidget feuille;
    feuille.resize(400, 300);
    auto* barre = new QMenuBar(&feuille);
    barre->setGeometry(0, 0, 400, 22);
    const QFont police = barre->font();
    auto* menu = barre->addMenu(QStringLiteral("Fichier"));
    adapte_feuille(feuille, 18000, 13500);  // one and a half
    EXPECT_EQ(barre->geometry(), QRect(0, 0, 600, 33));
    // Its text grows with the controls, in the desktop's face, and so do
    // its menus...
    ASSERT_GT(police.pointSizeF(), 0);
    EXPECT_DOUBLE_EQ(barre->font().pointSizeF(), police.pointSizeF() * 1.5);
    EXPECT_EQ(barre->font().family(), police.family());
    EXPECT_EQ(menu->font(), barre->font());
    // ...but never shrinks below the desktop's size.
    adapte_feuille(feuille, 9000, 6750);
    EXPECT_EQ(barre->font(), police);
}

TEST(PlacementDesContrôles, UneFenêtrePlusGrandeQueLÉcranEstRéduitePourTenir)
{
    const QRect écran = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget feuille;
    feuille.resize(écran.width() + 300, écran.height() + 200);
    auto* coin = new QPushButton(QStringLiteral("OK"), &feuille);
    coin->setGeometry(feuille.width() - 70, feuille.height() - 40, 60, 30);
    adapte_feuille_écran(feuille);
    feuille.move(écran.x() + 50, écran.y() + 50);
    feuille.show();
    QApplication::processEvents();
    EXPECT_TRUE(écran.contains(feuille.frameGeometry())) << feuille.frameGeometry().width() << " x "
                                                        << feuille.frameGeometry().height();
    EXPECT_TRUE(feuille.rect().contains(coin->geometry()));
    EXPECT_LT(coin->font().pointSizeF(), feuille.font().pointSizeF());
}

TEST(PlacementDesContrôles, LaGrilleSuitLesPolicesDeSaFenêtre)
{
    grille g;
    g.setRows(3);
    g.setCols(3);
    g.setColWidth(1, 1500);
    g.setRowHeight(1, 300);
    g.setCellFontSize(2, 2, 10);  // before: a cell of its own style
    QWidget feuille;
    feuille.resize(400, 300);
    auto* vue = new vue_grille(g, &feuille);
    vue->setGeometry(10, 10, 380, 280);
    const int colonne = vue->horizontalHeader()->sectionSize(0);
    const double police = vue->font().pointSizeF();
    adapte_feuille(feuille, 24000, 18000);

    EXPECT_DOUBLE_EQ(vue->échelle(), 2);
    EXPECT_EQ(vue->horizontalHeader()->sectionSize(0), 2 * colonne);
    EXPECT_EQ(vue->verticalHeader()->sectionSize(0), 2 * twips_en_pixels(300));
    EXPECT_DOUBLE_EQ(vue->font().pointSizeF(), 2 * police);
    EXPECT_DOUBLE_EQ(vue->model()->index(1, 1).data(Qt::FontRole).value<QFont>().pointSizeF(), 20);
    // The grid keeps its own measures: a column drawn wider by the user is
    // as wide in twips as on the design.
    vue->horizontalHeader()->resizeSection(0, 2 * colonne + 2 * twips_en_pixels(600));
    EXPECT_NEAR(g.ColWidth(1), 2100, 30);
}

// A fitted window opened from another has its picture memory made ready
// while it is filled: it still shows all of itself when it comes up, at the
// size it was prepared for or at another, and one that goes without being
// shown waits for the preparation before its memory goes.
TEST(PlacementDesContrôles, UneFenêtrePréparéeSeMontreEntière)
{
    QWidget principale;  // the window the others are opened from
    principale.resize(200, 100);
    principale.show();
    for (const int autre_taille : {0, 1}) {
        QWidget feuille;
        feuille.resize(400, 300);
        feuille.setAutoFillBackground(true);
        QPalette p = feuille.palette();
        p.setColor(QPalette::Window, QColor(10, 200, 30));
        feuille.setPalette(p);
        adapte_feuille_écran(feuille);
        if (autre_taille)
            feuille.resize(feuille.width() + 120, feuille.height() + 80);
        feuille.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&feuille));
        QApplication::processEvents();
        const QImage vue = feuille.screen()->grabWindow(feuille.winId()).toImage();
        ASSERT_EQ(vue.size(), feuille.size() * feuille.devicePixelRatio());
        for (const QPoint coin : {QPoint(1, 1), QPoint(vue.width() - 2, vue.height() - 2)})
            EXPECT_EQ(vue.pixelColor(coin), QColor(10, 200, 30)) << autre_taille;
    }
    for (int i = 0; i < 3; ++i) {
        auto* jamais_montrée = new QWidget;
        jamais_montrée->resize(900, 700);
        adapte_feuille_écran(*jamais_montrée);
        delete jamais_montrée;
    }
}
