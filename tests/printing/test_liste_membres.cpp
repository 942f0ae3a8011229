#include "printing/liste_membres.h"

#include "support/dossier_test.h"
#include "support/pdf_essai.h"
#include "ui_common/grille.h"
#include "ui_common/surface_enregistree.h"
#include "ui_common/surface_imprimante.h"

#include <QDir>
#include <QImage>

namespace {

class liste_membres : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        g.setCols(2);
        g.setRows(3);
        g.setFixedCols(0);
        const char* textes[3][2] = {{"Num.", "Identifiant"}, {"1", "alain"}, {"2", "zoé"}};
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                g.setTextMatrix(r, c, QString::fromUtf8(textes[r][c]));
        g.setColWidth(0, 1500);
        g.setColWidth(1, 1500);
        g.setFontName(QStringLiteral("Arial"));
        g.setFontSize(10);
        données.entête = QStringLiteral("SEL de la Vallée\r\n12 place du Marché");
        o.titre = QStringLiteral("Adhérents");
        o.largeur_mm = QStringLiteral("150");
    }

    // Where the grid's title landed; -1 when it is not printed.
    double haut_du_titre() const
    {
        if (s.documents().empty())
            return -1;
        for (const élément_page& é : s.documents()[0][0])
            if (const auto* t = std::get_if<texte_posé>(&é); t && t->texte == o.titre)
                return t->y;
        return -1;
    }
    texte_posé date() const
    {
        if (s.documents().empty())
            return {};
        for (const élément_page& é : s.documents()[0][0])
            if (const auto* t = std::get_if<texte_posé>(&é); t && t->texte.startsWith(QStringLiteral("Le ")))
                return *t;
        return {};
    }

    grille g;
    options_liste o;
    surface_enregistrée s;
};

}  // namespace

TEST_F(liste_membres, la_grille_commence_sous_la_date_et_l_entête)
{
    imprime_liste(s, g, o);
    ASSERT_EQ(s.documents().size(), 1u);
    const texte_posé d = date();
    EXPECT_EQ(d.texte, QStringLiteral("Le samedi 14 mars 2026"));
    EXPECT_NEAR(d.x, largeur_a4 * 2 / 3, 1e-6);
    EXPECT_EQ(d.y, 1000);
    EXPECT_TRUE(d.police.gras && d.police.italique);
    // Side by side from y = 1000, yet the grid starts 2000 twips below
    // both heights added: one date line and two header lines of 240.
    EXPECT_EQ(haut_du_titre(), 1000 + 240 + 480 + 2000);
    for (const élément_page& é : s.documents()[0][0])
        if (const auto* t = std::get_if<texte_posé>(&é); t && t->texte == QStringLiteral("SEL de la Vallée")) {
            EXPECT_EQ(t->x, 800);
            EXPECT_EQ(t->y, 1000);
            EXPECT_FALSE(t->police.italique);
        }
}

TEST_F(liste_membres, logo_ou_rien)
{
    o.choix_entête = entêtes_liste::logo;
    données.fichier_logo = QStringLiteral("C:\\SEL\\logo.png");
    imprime_liste(s, g, o);  // no such picture: as without a logo
    EXPECT_EQ(haut_du_titre(), 1000 + 240 + 2000);

    QDir().mkpath(chemin(QStringLiteral("images")));
    QImage logo(40, 40, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    ASSERT_TRUE(logo.save(chemin(QStringLiteral("images/logo.png"))));
    s = surface_enregistrée();
    imprime_liste(s, g, o);
    EXPECT_EQ(haut_du_titre(), 5680);
    int images = 0;
    for (const élément_page& é : s.documents()[0][0])
        if (const auto* i = std::get_if<image_posée>(&é)) {
            ++images;
            EXPECT_EQ(i->cadre, QRectF(800, 800, 2835, 2835));
        }
    EXPECT_EQ(images, 1);

    s = surface_enregistrée();
    o.choix_entête = entêtes_liste::rien;
    imprime_liste(s, g, o);
    EXPECT_EQ(haut_du_titre(), 3240);
}

TEST_F(liste_membres, une_grille_trop_large_réduit_la_police)
{
    imprime_liste(s, g, o);
    EXPECT_EQ(date().police.taille, 10);  // narrower than the page less 1200: own size

    g.setColWidth(0, 10000);
    g.setColWidth(1, 10000);
    g.setFontSize(20);
    s = surface_enregistrée();
    o.largeur_mm = QStringLiteral("190");
    imprime_liste(s, g, o);
    EXPECT_NEAR(date().police.taille, 20 * (largeur_a4 - 1200) / 20000, 1e-9);
}

TEST_F(liste_membres, une_largeur_illisible_n_imprime_rien)
{
    // No page with the date and the header alone.
    for (const char* largeur : {"-", "abc", ""}) {
        o.largeur_mm = QString::fromUtf8(largeur);
        EXPECT_FALSE(imprime_liste(s, g, o)) << largeur;
        EXPECT_TRUE(s.documents().empty()) << largeur;
        EXPECT_TRUE(s.pages().empty()) << largeur;
    }
    o.largeur_mm = QStringLiteral("150,5");
    EXPECT_TRUE(imprime_liste(s, g, o));
    ASSERT_EQ(s.documents().size(), 1u);
    EXPECT_GT(haut_du_titre(), 0);
}

TEST(largeur_de_liste, bornes_et_préréglages)
{
    EXPECT_FALSE(largeur_acceptable(QStringLiteral("49"), 11906));
    EXPECT_TRUE(largeur_acceptable(QStringLiteral("50"), 11906));
    // Up to the page less a right margin as wide as the left one.
    EXPECT_TRUE(largeur_acceptable(QStringLiteral("181,7"), 11906));
    EXPECT_FALSE(largeur_acceptable(QStringLiteral("181,8"), 11906));
    EXPECT_FALSE(largeur_acceptable(QStringLiteral("210"), 11906));
    EXPECT_EQ(largeur_page_mm(11906), QStringLiteral("181,763668430335"));
    // The page preset, which the window starts with, is accepted.
    EXPECT_TRUE(largeur_acceptable(largeur_page_mm(largeur_a4), largeur_a4));
    EXPECT_FALSE(largeur_acceptable(QString(), 11906));
    EXPECT_FALSE(largeur_acceptable(QStringLiteral(","), 11906));
    grille g(3, 2, 1, 0);
    g.setColWidth(0, 1500);
    g.setColWidth(1, 1500);
    EXPECT_EQ(texte_largeur_grille_mm(g, 11906), QStringLiteral("52,9100529100529"));
    // The grid preset stays within what is accepted.
    g.setColWidth(1, 20000);
    EXPECT_EQ(texte_largeur_grille_mm(g, 11906), largeur_page_mm(11906));
    g.setColWidth(0, 500);
    g.setColWidth(1, 500);
    EXPECT_EQ(texte_largeur_grille_mm(g, 11906), QStringLiteral("50"));
}

// At the width the window starts with, at the widest it accepts and at the
// paper's own width, nothing of the list passes the right margin, and a
// right-aligned last column keeps its texts on the sheet.
TEST_F(liste_membres, la_liste_tient_dans_la_feuille)
{
    g.setCols(3);
    g.setColWidth(0, 3000);
    g.setColWidth(1, 3000);
    g.setColWidth(2, 6000);
    g.setColAlignment(2, alignement_grille::droite_centre);
    g.setTextMatrix(0, 2, QStringLiteral("Solde"));
    g.setTextMatrix(1, 2, QStringLiteral("1 250"));
    g.setTextMatrix(2, 2, QStringLiteral("-75"));
    o.horizontales = o.verticales = true;
    const double bord = largeur_a4 - 750;
    for (const QString& largeur : {largeur_page_mm(largeur_a4), QStringLiteral("181,75"), texte_nombre(210.0)}) {
        s = surface_enregistrée();
        o.largeur_mm = largeur;
        ASSERT_TRUE(imprime_liste(s, g, o));
        for (const élément_page& é : s.documents().at(0).at(0)) {
            if (const auto* t = std::get_if<trait_posé>(&é)) {
                EXPECT_LE(std::max(t->x1, t->x2), bord + 1e-6) << largeur.toStdString();
            } else if (const auto* t = std::get_if<texte_posé>(&é)) {
                const double fin = t->x + t->texte.size() * t->police.taille * 12;
                EXPECT_LE(fin, bord + 1e-6) << largeur.toStdString() << " " << t->texte.toStdString();
            }
        }
    }

    QPrinter pdf(QPrinter::HighResolution);
    vers_pdf(pdf, chemin(QStringLiteral("liste.pdf")));
    {
        surface_imprimante papier(pdf);
        o.largeur_mm = texte_nombre(papier.Width() / twips_par_mm);
        ASSERT_TRUE(imprime_liste(papier, g, o));
    }
    const auto pages = pages_pdf(chemin(QStringLiteral("liste.pdf")));
    if (!pages)
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    ASSERT_EQ(pages->size(), 1);
    for (const char* texte : {"Solde", "1 250", "-75"})
        EXPECT_TRUE(pages->front().contains(QString::fromUtf8(texte))) << texte << "\n" << pages->front().toStdString();
}
