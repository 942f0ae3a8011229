#include "support/dossier_test.h"
#include "ui_common/grille.h"
#include "ui_common/impression_grille.h"
#include "ui_common/surface_enregistree.h"
#include "ui_common/surface_imprimante.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

const QString trop_large = QStringLiteral(
    "La grille est trop large pour être imprimée. Configurez votre imprimante en paysage et/ou réduisez des colonnes");

// The recording surface measures 120 twips a character and 240 a line at 10
// points. A short sheet (limit of a page: 6000 - 1200 = 4800) keeps page
// breaks near.
constexpr double feuille_courte = 6000;

class impression_de_grille : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        arrêt_demandé = false;
    }

    // A header row and `lignes` data rows; cells "L<r>" in column 0 and "<r>"
    // elsewhere; Arial 10 points.
    static void remplit(grille& g, std::initializer_list<int> largeurs, int lignes)
    {
        g.setCols(static_cast<int>(largeurs.size()));
        g.setRows(lignes + 1);
        int c = 0;
        for (int l : largeurs)
            g.setColWidth(c++, l);
        g.setFontName("Arial");
        g.setFontSize(10);
        for (int c = 0; c < g.Cols(); ++c)
            g.setTextMatrix(0, c, QStringLiteral("Col%1").arg(c));
        for (int r = 1; r <= lignes; ++r)
            for (int c = 0; c < g.Cols(); ++c)
                g.setTextMatrix(r, c, c == 0 ? QStringLiteral("L%1").arg(r) : QString::number(r));
    }

    // y of the texts that start at x on a page.
    static std::vector<double> ordonnées(const surface_enregistrée& s, std::size_t page, double x)
    {
        std::vector<double> ys;
        for (const texte_posé& t : s.textes(page))
            if (t.x == x)
                ys.push_back(t.y);
        return ys;
    }
    static std::vector<double> traits_horizontaux(const surface_enregistrée& s, std::size_t page)
    {
        std::vector<double> ys;
        for (const trait_posé& t : s.traits(page))
            if (t.y1 == t.y2)
                ys.push_back(t.y1);
        return ys;
    }
    static const texte_posé* texte(const surface_enregistrée& s, std::size_t page, const QString& contenu)
    {
        static texte_posé trouvé;
        for (const texte_posé& t : s.textes(page))
            if (t.texte == contenu) {
                trouvé = t;
                return &trouvé;
            }
        return nullptr;
    }

    grille g;
    surface_enregistrée s{QSizeF(11906, feuille_courte)};
};

}  // namespace

// ------------------------------------------------------------ pages

TEST_F(impression_de_grille, deux_pages_sans_traits_en_tête_répété)
{
    remplit(g, {1000, 2000, 1500}, 14);
    g.setColAlignment(1, alignement_grille::droite_centre);
    g.setTextMatrix(0, 1, "Montant");
    imprime_grille(s, g, 9000, "Relevé", false, false, false);

    ASSERT_EQ(s.pages().size(), 2u);
    // Page 1: title at the top margin, an empty line, the header 50 lower,
    // its underline, then one row every 240 twips; row 11 fills the page.
    std::vector<double> attendu = {1000, 1530};
    for (int r = 1; r <= 11; ++r)
        attendu.push_back(1970 + (r - 1) * 240);
    EXPECT_EQ(ordonnées(s, 0, 800), attendu);
    EXPECT_EQ(traits_horizontaux(s, 0), std::vector<double>{1820});
    // Page 2: the header again at 1000, its underline, the last rows, and the
    // closing rule 50 below them.
    EXPECT_EQ(ordonnées(s, 1, 800), (std::vector<double>{1000, 1440, 1680, 1920}));
    EXPECT_EQ(traits_horizontaux(s, 1), (std::vector<double>{1290, 2210}));
    EXPECT_EQ(s.traits(1)[0].x1, 750);
    EXPECT_EQ(s.traits(1)[0].x2, 9850);
    // The position is 150 below the closing rule.
    EXPECT_EQ(s.CurrentY(), 2360);

    // A right-aligned header ends 80 inside its cell on every page, clear of
    // the rule that stands 50 inside the cell's edge.
    ASSERT_NE(texte(s, 0, "Montant"), nullptr);
    EXPECT_EQ(texte(s, 0, "Montant")->x, 1800 + 2000 - 7 * 120 - 80);
    EXPECT_EQ(texte(s, 1, "Montant")->x, 1800 + 2000 - 7 * 120 - 80);
    EXPECT_EQ(texte(s, 0, "5")->x, 1800 + 2000 - 120 - 80);
    // Column 0 is always on the left.
    EXPECT_EQ(texte(s, 1, "L12")->x, 800);
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_FALSE(arrêt_demandé);
}

TEST_F(impression_de_grille, deux_pages_avec_traits)
{
    remplit(g, {1000, 2000, 1500}, 10);
    imprime_grille(s, g, 9000, "Relevé", true, true, false);

    ASSERT_EQ(s.pages().size(), 2u);
    // Top rule 100 below the empty line, 25 above the header; each data row
    // takes its line, 50 and 25 around its rule; the limit is 75 higher.
    std::vector<double> attendu = {1000, 1605};
    for (int r = 1; r <= 8; ++r)
        attendu.push_back(2045 + (r - 1) * 315);
    EXPECT_EQ(ordonnées(s, 0, 800), attendu);
    std::vector<double> règles = {1580, 1895};
    for (int r = 1; r <= 8; ++r)
        règles.push_back(2335 + (r - 1) * 315);
    EXPECT_EQ(traits_horizontaux(s, 0), règles);

    // Four vertical rules per page, from the top rule to 25 below the last
    // row rule; the last one 100 right of the last column.
    std::vector<double> xs;
    for (const trait_posé& t : s.traits(0))
        if (t.x1 == t.x2) {
            xs.push_back(t.x1);
            EXPECT_EQ(t.y1, 1580);
            EXPECT_EQ(t.y2, 2045 + 8 * 315);
        }
    EXPECT_EQ(xs, (std::vector<double>{750, 1750, 3750, 5350}));

    EXPECT_EQ(ordonnées(s, 1, 800), (std::vector<double>{1075, 1515, 1830}));
    EXPECT_EQ(traits_horizontaux(s, 1), (std::vector<double>{1050, 1365, 1805, 2120}));
    for (const trait_posé& t : s.traits(1))
        if (t.x1 == t.x2) {
            EXPECT_EQ(t.y1, 1050);
            EXPECT_EQ(t.y2, 2145);
        }
    // The position ends at the foot of the last vertical rule.
    EXPECT_EQ(s.CurrentX(), 5350);
    EXPECT_EQ(s.CurrentY(), 2145);
}

TEST_F(impression_de_grille, la_dernière_ligne_qui_remplit_la_page)
{
    {
        // Without rules: a last page with the header and the closing rule.
        remplit(g, {1000, 2000}, 11);
        imprime_grille(s, g, 9000, "Relevé", false, false, false);
        ASSERT_EQ(s.pages().size(), 2u);
        EXPECT_EQ(ordonnées(s, 1, 800), std::vector<double>{1000});
        EXPECT_EQ(traits_horizontaux(s, 1), (std::vector<double>{1290, 1490}));
        EXPECT_EQ(s.CurrentY(), 1640);
    }
    {
        // With rules: the vertical rules of that page frame its header and the
        // position ends below it, where the caller goes on printing.
        surface_enregistrée t{QSizeF(11906, feuille_courte)};
        remplit(g, {1000, 2000}, 8);
        imprime_grille(t, g, 9000, "Relevé", true, true, false);
        ASSERT_EQ(t.pages().size(), 2u);
        EXPECT_EQ(ordonnées(t, 1, 800), std::vector<double>{1075});
        int verticales = 0;
        for (const trait_posé& l : t.traits(1))
            if (l.x1 == l.x2) {
                ++verticales;
                EXPECT_EQ(l.y1, 1050);
                EXPECT_EQ(l.y2, 1515);
            }
        EXPECT_EQ(verticales, 3);
        EXPECT_EQ(t.CurrentY(), 1515);
    }
}

// ------------------------------------------------------------ cells

TEST_F(impression_de_grille, cellules_coupées_cachées_et_alignées)
{
    remplit(g, {1000, 30, 2000, 1500}, 2);
    g.setColAlignment(2, alignement_grille::droite_centre);
    g.setTextMatrix(1, 0, "abcdefghijkl");
    g.setTextMatrix(1, 1, "caché");
    g.setTextMatrix(1, 2, "12,5");
    g.setTextMatrix(1, 3, "texte long qui passe à la ligne");
    g.setTextMatrix(2, 0, "suite");
    g.setTextMatrix(2, 2, "123456789012345678");
    imprime_grille(s, g, 9000, "Essai", false, false, true);

    // Shortened until it fits the column less the width of "W" (1000 - 120).
    EXPECT_NE(texte(s, 0, "abcdefg"), nullptr);
    EXPECT_EQ(texte(s, 0, "abcdefgh"), nullptr);
    // A column of 30 twips prints nothing but still moves the next ones.
    EXPECT_EQ(texte(s, 0, "caché"), nullptr);
    EXPECT_EQ(texte(s, 0, "12,5")->x, 800 + 1000 + 30 + 2000 - 4 * 120 - 80);
    // A shortened right-aligned text keeps the place of its full text.
    const texte_posé* long_ = texte(s, 0, "123456789012345");
    ASSERT_NE(long_, nullptr);
    EXPECT_EQ(long_->x, 800 + 1000 + 30 + 2000 - 18 * 120 - 80);
    // The last column is never shortened: it wraps, and its row grows.
    QString dernière;
    std::vector<double> ys;
    for (const texte_posé& t : s.textes(0))
        if (t.x == 800 + 1000 + 30 + 2000 && t.y >= 1970 && t.y < 1970 + 3 * 240) {
            dernière += t.texte;
            ys.push_back(t.y);
        }
    EXPECT_EQ(dernière, "texte long qui passe à la ligne");
    EXPECT_EQ(ys, (std::vector<double>{1970, 2210, 2450}));
    EXPECT_EQ(ordonnées(s, 0, 800).back(), 1970 + 3 * 240);  // row 2 below the tallest cell
}

TEST_F(impression_de_grille, colonnes_réduites_à_la_largeur)
{
    remplit(g, {6000, 6000}, 1);
    imprime_grille(s, g, 9000, "Large", true, false, false);
    // Ratio 0.75: the font goes from 10 to 7.5 points, the columns shrink too.
    EXPECT_EQ(texte(s, 0, "1")->x, 800 + 4500);
    EXPECT_EQ(texte(s, 0, "1")->police.taille, 7.5);
    EXPECT_EQ(texte(s, 0, "Large")->police.taille, 7.5);
    EXPECT_EQ(s.FontSize(), 7.5);
    EXPECT_FALSE(s.FontBold());
    EXPECT_FALSE(s.FontItalic());

    // A grid narrower than the width keeps its own widths and size.
    surface_enregistrée t;
    remplit(g, {1000, 1000}, 1);
    imprime_grille(t, g, 9000, "Étroite", false, false, false);
    EXPECT_EQ(texte(t, 0, "1")->x, 1800);
    EXPECT_EQ(texte(t, 0, "1")->police.taille, 10);
}

TEST_F(impression_de_grille, styles_du_titre_de_l_en_tête_et_des_lignes)
{
    remplit(g, {1000, 1000}, 14);
    g.setFontBold(true);
    g.setFontItalic(true);
    imprime_grille(s, g, 9000, "Relevé", false, false, false);
    const police_page titre = texte(s, 0, "Relevé")->police;
    EXPECT_TRUE(titre.gras);
    EXPECT_TRUE(titre.italique);
    for (std::size_t page : {0u, 1u}) {
        const police_page en_tête = texte(s, page, "Col0")->police;
        EXPECT_TRUE(en_tête.gras && en_tête.italique) << page;
    }
    const police_page ligne = texte(s, 0, "L1")->police;
    EXPECT_FALSE(ligne.gras || ligne.italique);
    EXPECT_FALSE(texte(s, 1, "L14")->police.gras);

    surface_enregistrée t;
    g.setFontBold(false);
    g.setFontItalic(false);
    imprime_grille(t, g, 9000, "Relevé", false, false, false);
    EXPECT_TRUE(texte(t, 0, "Relevé")->police.gras);
    EXPECT_FALSE(texte(t, 0, "Relevé")->police.italique);
    EXPECT_TRUE(texte(t, 0, "Col1")->police.italique);
}

TEST_F(impression_de_grille, à_la_suite_de_ce_que_l_appelant_a_imprimé)
{
    remplit(g, {1000}, 1);
    s.setCurrentY(3000);
    imprime_grille(s, g, 9000, "Relevé", false, false, false);
    EXPECT_EQ(texte(s, 0, "Relevé")->y, 3000);
    EXPECT_EQ(texte(s, 0, "Col0")->y, 3530);
    // Redrawn and shown again, current column 0.
    EXPECT_TRUE(g.Redraw());
    EXPECT_TRUE(g.Visible());
    EXPECT_EQ(g.Col(), 0);
}

// ------------------------------------------------------------ refusals

TEST_F(impression_de_grille, police_trop_petite)
{
    remplit(g, {10000, 10000}, 3);
    g.setRedraw(false);
    s.Print("Relevé de compte");  // what the caller printed before
    imprime_grille(s, g, 5000, "Relevé", true, true, false);  // 10 x 0.25 = 2.5 points

    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, trop_large);
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
    EXPECT_TRUE(arrêt_demandé);
    // The whole document is cancelled, the caller's part with it.
    EXPECT_TRUE(s.pages().empty());
    EXPECT_EQ(s.documents_annulés(), 1);
    EXPECT_TRUE(g.Redraw());
    EXPECT_TRUE(g.Visible());
}

TEST_F(impression_de_grille, six_points_suffisent)
{
    remplit(g, {5000, 5000}, 1);
    imprime_grille(s, g, 6000, "Relevé", false, false, false);  // 10 x 0.6 = 6 points
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_FALSE(arrêt_demandé);
    EXPECT_EQ(texte(s, 0, "L1")->police.taille, 6);
}

TEST_F(impression_de_grille, sans_largeur_de_colonne_le_titre_seul)
{
    remplit(g, {0, 0}, 2);
    s.Print("Relevé de compte");
    imprime_grille(s, g, 9000, "Relevé", true, true, false);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, trop_large);
    // The caller's document is kept, with the title below what it printed.
    const auto textes = s.textes(0);
    ASSERT_EQ(textes.size(), 3u);  // caller's line, title, empty line
    EXPECT_EQ(textes[1].texte, "Relevé");
    EXPECT_EQ(textes[1].y, 1000);
    EXPECT_TRUE(s.traits(0).empty());
    EXPECT_EQ(s.documents_annulés(), 0);
    EXPECT_FALSE(arrêt_demandé);
    EXPECT_TRUE(g.Visible());

    grille vide(3, 0, 1, 0);
    surface_enregistrée t;
    imprime_grille(t, vide, 9000, "Vide", false, false, false);
    EXPECT_EQ(t.textes(0).front().texte, "Vide");
    EXPECT_EQ(boîtes.messages.size(), 2u);
}

// A printer that refuses one text.
class surface_capricieuse : public surface_enregistrée {
public:
    using surface_enregistrée::surface_enregistrée;
    QString refusé;

protected:
    void pose(élément_page élément) override
    {
        if (const auto* t = std::get_if<texte_posé>(&élément); t && t->texte == refusé)
            throw std::runtime_error("L'imprimante ne répond pas.");
        surface_enregistrée::pose(std::move(élément));
    }
};

TEST_F(impression_de_grille, une_étape_qui_échoue_est_dite_et_la_suite_imprimée)
{
    remplit(g, {1500, 1500}, 3);
    surface_capricieuse c;
    c.refusé = "L2";
    imprime_grille(c, g, 9000, "Relevé", true, true, false);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "L'imprimante ne répond pas. L'impression de la grille pourra être incomplète.");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::ok);
    EXPECT_EQ(texte(c, 0, "L2"), nullptr);
    EXPECT_NE(texte(c, 0, "L3"), nullptr);
    EXPECT_EQ(c.traits(0).size(), 5u + 3u);  // every rule: top, header, three rows; three verticals
    EXPECT_FALSE(arrêt_demandé);
    EXPECT_EQ(c.documents_annulés(), 0);
    EXPECT_TRUE(g.Visible());
}

// ------------------------------------------------------------ on paper

TEST_F(impression_de_grille, vers_un_fichier_pdf)
{
    const QString chemin_pdf = chemin("grille.pdf");
    QPrinter papier(QPrinter::HighResolution);
    papier.setOutputFormat(QPrinter::PdfFormat);
    papier.setOutputFileName(chemin_pdf);
    papier.setPageSize(QPageSize(QPageSize::A4));
    papier.setPageOrientation(QPageLayout::Portrait);
    {
        surface_imprimante feuille(papier);
        g.setCols(3);
        g.setRows(81);
        g.setFontName("Arial");
        g.setFontSize(10);
        g.setColWidth(0, 3000);
        g.setColWidth(1, 2500);
        g.setColWidth(2, 1500);
        g.setColAlignment(2, alignement_grille::droite_centre);
        g.setTextMatrix(0, 0, "Nom");
        g.setTextMatrix(0, 1, "Ville");
        g.setTextMatrix(0, 2, "Solde");
        for (int r = 1; r <= 80; ++r) {
            g.setTextMatrix(r, 0, QStringLiteral("Adhérent %1").arg(r));
            g.setTextMatrix(r, 1, r % 2 ? "Saint-Étienne" : "Lyon");
            g.setTextMatrix(r, 2, QStringLiteral("%1,5").arg(r * 10));
        }
        imprime_grille(feuille, g, 9000, "Liste des adhérents", true, true, false);
        ASSERT_TRUE(feuille.EndDoc());
    }
    ASSERT_TRUE(QFile::exists(chemin_pdf));
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the PDF content is not checked";
    QProcess p;
    p.start("pdftotext", {"-layout", chemin_pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(-1));
    const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Liste des adhérents"));
    EXPECT_FALSE(pages[1].contains("Liste des adhérents"));
    for (const QString& page : pages)
        EXPECT_TRUE(page.contains(QRegularExpression("Nom\\s+Ville\\s+Solde"))) << page.left(300).toStdString();
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Adhérent 1\\s+Saint-Étienne\\s+10,5")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("Adhérent 80\\s+Lyon\\s+800,5")));
    // Every row is printed once.
    int lignes = 0;
    for (const QString& page : pages)
        lignes += static_cast<int>(page.count(QRegularExpression("Adhérent \\d+")));
    EXPECT_EQ(lignes, 80);
}
