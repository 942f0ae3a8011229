// The small shared helpers: background, min and max, the section entry of a
// list, the letter-case cycle, and the desktop's "open".
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
