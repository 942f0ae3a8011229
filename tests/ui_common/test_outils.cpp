// The small shared helpers: screen fit, background, min and max, the section
// entry of a list, the letter-case cycle, and the desktop's "open".
#include "ui_common/outils.h"
#include "ui_common/shell.h"

#include "support/dossier_test.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
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

TEST(AdaptationÉcran, GrandÉcranAgranditSansDépasserNiToucherLesPolices)
{
    const facteurs_écran f = facteurs_pour_écran(15360, 11520);
    EXPECT_FLOAT_EQ(taille_feuille_adaptée({0, 0, 11000, 6000}, false, f, 15360, 11520).largeur, 14080);
    const cadre_twips large = taille_feuille_adaptée({0, 0, 12500, 9500}, false, f, 15360, 11520);
    EXPECT_FLOAT_EQ(large.largeur, 15360);
    EXPECT_FLOAT_EQ(large.hauteur, 11520);
    EXPECT_FLOAT_EQ(taille_feuille_adaptée({0, 0, 11000, 6000}, true, f, 15360, 11520).largeur, 11000);
    const police_contrôle p = police_adaptée(arial(10, true), f);
    EXPECT_EQ(p.nom, "Arial");
    EXPECT_DOUBLE_EQ(p.taille, 10);
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

TEST(AdaptationÉcran, UneFenêtreMaximiséeGardeSaTaille)
{
    QWidget feuille;
    feuille.resize(700, 500);
    auto* bouton = new QPushButton(&feuille);
    bouton->setGeometry(100, 100, 100, 30);
    feuille.setWindowState(Qt::WindowMaximized);
    adapte_feuille(feuille, 15360, 11520);
    EXPECT_EQ(feuille.size(), QSize(700, 500));
    EXPECT_EQ(bouton->geometry(), QRect(128, 128, 128, 38));
}

// ---------------------------------------------------------------- background
class FondDesFenêtres : public essai_dossier {
protected:
    void TearDown() override
    {
        fonds_unis = false;
        essai_dossier::TearDown();
    }
    void pose_image()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QDir().mkpath(chemin("Aide/images"));
        ASSERT_TRUE(image.save(chemin("Aide/images/fond.gif"), "PNG"));
    }
};

TEST_F(FondDesFenêtres, ImageSaufFondsUnisOuImageAbsente)
{
    QWidget feuille;
    const QPalette avant = feuille.palette();
    affiche_fond(feuille);  // no picture yet
    EXPECT_EQ(feuille.palette(), avant);
    EXPECT_FALSE(feuille.autoFillBackground());

    pose_image();
    fonds_unis = true;
    affiche_fond(feuille);
    EXPECT_EQ(feuille.palette(), avant);

    fonds_unis = false;
    affiche_fond(feuille);
    EXPECT_FALSE(feuille.palette().brush(QPalette::Window).texture().isNull());
    EXPECT_TRUE(feuille.autoFillBackground());
}

// ---------------------------------------------------------------- min, max
TEST(PlusGrandPlusPetit, ÀÉgalitéLeSecond)
{
    EXPECT_EQ(plus_grand(5, 3), 5);
    EXPECT_EQ(plus_petit(5, 3), 3);
    // 0 and -0 are equal: the sign tells which one came back.
    EXPECT_TRUE(std::signbit(plus_grand(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(plus_grand(-0.0, 0.0)));
    EXPECT_TRUE(std::signbit(plus_petit(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(plus_petit(-0.0, 0.0)));
    EXPECT_DOUBLE_EQ(plus_grand(2, 2.5), 2.5);
    EXPECT_EQ(plus_petit(QString("b"), QString("abc")), "abc");
}

// ---------------------------------------------------------------- lists
class ListeDesRubriques : public essai_dossier {};

TEST_F(ListeDesRubriques, PremièreEntréeDeLaSection)
{
    QComboBox liste;
    for (int s : {10, 12, 12})
        liste.addItem(QString::number(s), s);
    EXPECT_EQ(indice_rubrique_liste(liste, 1234), 1);
    EXPECT_EQ(indice_rubrique_liste(liste, 1000), 0);
    EXPECT_TRUE(boîtes.messages.empty());

    QListWidget autre;
    for (const QVariant& donnée : {QVariant(), QVariant("x"), QVariant(7)}) {
        auto* entrée = new QListWidgetItem(QStringLiteral("entrée"), &autre);
        entrée->setData(Qt::UserRole, donnée);
    }
    // Entries whose data cannot be read are passed over.
    EXPECT_EQ(indice_rubrique_liste(autre, 705), 2);
}

TEST_F(ListeDesRubriques, AucuneEntréeDonneLeMessage)
{
    QComboBox liste;
    liste.addItem(QStringLiteral("Maison"), 10);
    EXPECT_EQ(indice_rubrique_liste(liste, 1100), -1);
    QComboBox vide;
    EXPECT_EQ(indice_rubrique_liste(vide, 1100), -1);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "Le code rubrique de cette proposition ne correspond pas à une classification.");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
    EXPECT_EQ(boîtes.messages[0].titre, "Trovane");
}

// ---------------------------------------------------------------- letter case
class CycleDeCasse : public ::testing::Test {
protected:
    void SetUp() override { état_casse = {}; }
    // One Shift+F3 in a box holding boîte, as the callers do it.
    résultat_casse appuie(const QString& boîte, int début = 0, int longueur = 0)
    {
        return change_casse(boîte, début, longueur, boîte);
    }
};

TEST_F(CycleDeCasse, QuatreAppuisSansSélection)
{
    QString t = QStringLiteral("rue du vieux-port");
    const QStringList attendus = {"RUE DU VIEUX-PORT", "rue du vieux-port", "Rue Du Vieux-Port", "rue du vieux-port",
                                  "RUE DU VIEUX-PORT"};
    for (const QString& attendu : attendus) {
        const résultat_casse r = appuie(t);
        EXPECT_EQ(r.texte, attendu);
        EXPECT_EQ(r.début_sélection, 0);
        EXPECT_EQ(r.longueur_sélection, 17);
        t = r.texte;
    }
}

TEST_F(CycleDeCasse, AvecUneSélectionSeuleLaPartieChange)
{
    QString t = QStringLiteral("rue du vieux-port");
    résultat_casse r = appuie(t, 7, 5);
    EXPECT_EQ(r.texte, "rue du VIEUX-port");
    EXPECT_EQ(r.début_sélection, 7);
    EXPECT_EQ(r.longueur_sélection, 5);
    r = appuie(r.texte, 7, 5);
    EXPECT_EQ(r.texte, "rue du vieux-port");
    r = appuie(r.texte, 7, 5);
    EXPECT_EQ(r.texte, "rue du Vieux-port");
    // The fourth brings back the whole text as it stood before the cycle.
    r = appuie("RUE du Vieux-port", 4, 2);
    EXPECT_EQ(r.texte, "rue du vieux-port");
    EXPECT_EQ(r.début_sélection, 4);
    EXPECT_EQ(r.longueur_sélection, 2);
}

TEST_F(CycleDeCasse, CapitalesAprèsBlancOuTraitSeulement)
{
    état_casse.mode = 2;
    EXPECT_EQ(appuie("vieux-PORT").texte, "Vieux-PORT");
    // A part selected inside a word starts with a capital.
    état_casse.mode = 2;
    EXPECT_EQ(appuie("dupont", 3, 3).texte, "dupOnt");
}

TEST_F(CycleDeCasse, UnCycleCommuneÀToutesLesZones)
{
    EXPECT_EQ(appuie("dupont").texte, "DUPONT");
    // The next box continues at the next step, with its own text as the start.
    EXPECT_EQ(appuie("Marie").texte, "marie");
    EXPECT_EQ(appuie("marie").texte, "Marie");
    EXPECT_EQ(appuie("Marie").texte, "Marie");
    // A text changed by hand (not only in case) starts a new reference.
    EXPECT_EQ(appuie("jean").texte, "JEAN");
    EXPECT_EQ(appuie("JEAN-marc").texte, "jean-marc");
    EXPECT_EQ(état_casse.texte_initial, "JEAN-marc");
}

TEST_F(CycleDeCasse, LaLongueurNeChangeJamais)
{
    // Letters whose capital is two letters elsewhere stay one letter here, so
    // that the rest of the text is kept whole.
    const résultat_casse r = appuie("la straße x", 3, 6);
    EXPECT_EQ(r.texte, "la STRAßE x");
    EXPECT_EQ(r.longueur_sélection, 6);
    EXPECT_EQ(appuie("œuvre à ÿ").texte, "œuvre à ÿ");
    état_casse.mode = 0;
    EXPECT_EQ(appuie("œuvre à ÿ").texte, "ŒUVRE À Ÿ");
}

TEST_F(CycleDeCasse, LaZoneGardeLaSélectionUneFoisLeTexteRemis)
{
    QLineEdit zone(QStringLiteral("rue du vieux-port"));
    zone.setSelection(7, 5);
    zone.setText(change_casse(zone, zone.text()));
    QApplication::processEvents();
    EXPECT_EQ(zone.text(), "rue du VIEUX-port");
    EXPECT_EQ(zone.selectionStart(), 7);
    EXPECT_EQ(zone.selectedText(), "VIEUX");

    zone.deselect();
    zone.setText(change_casse(zone, zone.text()));
    QApplication::processEvents();
    EXPECT_EQ(zone.text(), "rue du vieux-port");
    EXPECT_EQ(zone.selectedText(), "rue du vieux-port");
}

// ---------------------------------------------------------------- shell
namespace {

class shell_noté : public service_shell {
public:
    QList<QUrl> ouverts;
    bool ouvre(const QUrl& adresse) override
    {
        ouverts << adresse;
        return true;
    }
};

}  // namespace

TEST(Shell, AdressesDonnéesAuBureau)
{
    EXPECT_EQ(adresse_shell("mailto:contact@sel-exemple.fr"), QUrl("mailto:contact@sel-exemple.fr"));
    EXPECT_EQ(adresse_shell("www.sel-exemple.fr"), QUrl("http://www.sel-exemple.fr"));
    EXPECT_EQ(adresse_shell("/opt/trovane/Aide/français/index.html"),
              QUrl::fromLocalFile("/opt/trovane/Aide/français/index.html"));
    EXPECT_EQ(adresse_shell("Aide/index.html"), QUrl::fromLocalFile(QDir::current().filePath("Aide/index.html")));
    EXPECT_TRUE(adresse_shell("  ").isEmpty());
}

TEST(Shell, LesEssaisNotentCeQuiSeraitOuvert)
{
    shell_noté noté;
    installe_shell(&noté);
    EXPECT_TRUE(ouvre_avec_shell("mailto:a@b.fr"));
    EXPECT_FALSE(ouvre_avec_shell(""));
    installe_shell(nullptr);
    ASSERT_EQ(noté.ouverts.size(), 1);
    EXPECT_EQ(noté.ouverts[0].scheme(), "mailto");
    // Until the desktop's is installed, nothing is opened.
    EXPECT_FALSE(ouvre_avec_shell("https://www.sel-exemple.fr/"));
    EXPECT_EQ(noté.ouverts.size(), 1);
}
