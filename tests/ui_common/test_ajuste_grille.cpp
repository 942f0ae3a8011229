#include "ui_common/ajuste_grille.h"
#include "ui_common/grille_vue.h"

#include <QFontMetricsF>
#include <cmath>
#include <gtest/gtest.h>

namespace {

// Width of "W" in twips, measured here straight from Qt, in the grid's font
// made bold and italic.
double largeur_w(const police_grille& p)
{
    QFont f(p.nom);
    f.setPointSizeF(p.taille);
    f.setBold(true);
    f.setItalic(true);
    return QFontMetricsF(f).horizontalAdvance(QLatin1Char('W')) * 1440.0 / 96.0;
}

}  // namespace

TEST(ajuste_grille, largeur_du_texte_le_plus_large_plus_un_w)
{
    ASSERT_EQ(twips_par_pixel(), 15.0) << "the tests run on a 96 dpi screen";
    grille g(4, 5, 1, 1);
    g.setFontName("Arial");
    g.setFontSize(10);
    g.setTextMatrix(1, 1, "WW");
    g.setTextMatrix(2, 1, "W");
    g.setTextMatrix(1, 2, "  WW   ");  // blanks around do not count
    g.setColWidth(3, 0);               // hidden columns are fitted too
    g.setTextMatrix(3, 3, "abc");
    g.setTextMatrix(0, 4, "Identifiant adhérent");  // fixed rows count like the others
    g.setTextMatrix(3, 4, "x");
    ajuste_grille(g);

    const double w = largeur_w(g.police());
    EXPECT_NEAR(g.ColWidth(0), w, 0.5) << "an empty column gets one W";
    EXPECT_NEAR(g.ColWidth(1), 3 * w, 0.5);
    EXPECT_EQ(g.ColWidth(2), g.ColWidth(1));
    EXPECT_GT(g.ColWidth(3), g.ColWidth(0));
    EXPECT_GT(g.ColWidth(4), 8 * g.ColWidth(0));
    EXPECT_FALSE(g.FontBold()) << "the grid keeps its own style";
    EXPECT_TRUE(g.Redraw());
}

TEST(ajuste_grille, mesure_en_gras_italique_et_à_la_taille_de_la_grille)
{
    grille g(2, 1, 1, 0);
    g.setFontName("Arial");
    g.setFontSize(10);
    g.setTextMatrix(1, 0, "Mesure en gras italique");
    ajuste_grille(g);
    const int à_10 = g.ColWidth(0);

    police_grille droite = g.police();
    mesureur_texte m(droite);
    EXPECT_GT(à_10, m.largeur("Mesure en gras italique W") + 1) << "bold is wider than regular";

    g.setFontSize(20);
    ajuste_grille(g);
    EXPECT_NEAR(g.ColWidth(0), 2 * à_10, 0.1 * à_10) << "font hinting keeps it from being exact";
}

TEST(mesureur_texte, somme_des_caractères)
{
    police_grille p;
    p.nom = "Arial";
    p.taille = 12;
    mesureur_texte m(p);
    EXPECT_EQ(m.largeur(""), 0.0);
    EXPECT_NEAR(m.largeur("AVAV"), 2 * m.largeur("AV"), 1e-9) << "no kerning, as the classic TextWidth";
    EXPECT_NEAR(m.largeur("Sète"), m.largeur("S") + m.largeur("ète"), 1e-9);
    const char32_t ciseaux = 0x1F4CE;
    EXPECT_GE(m.largeur(QString::fromUcs4(&ciseaux, 1)), 0.0);
}
