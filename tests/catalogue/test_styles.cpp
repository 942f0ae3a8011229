#include "catalogue/styles.h"

#include "catalogue/catalogue_essai.h"

namespace {

using styles_catalogue = essai_catalogue;

TEST_F(styles_catalogue, chaque_sorte_de_ligne_a_son_style)
{
    données.type_catalogue = 0;
    données.police_offres[0] = "Arial";
    données.taille_offres[0] = 10;
    données.gras_offres[0] = true;
    données.italique_offres[0] = false;
    données.police_demandes[0] = "Times New Roman";
    données.taille_demandes[0] = 11;
    données.italique_demandes[0] = true;
    données.cat_rubriques_images[0] = 0;
    grille g;
    grille_essai(g, {{1, "offre", "Annick"},
                     {2, "demande", "Bastien"},
                     {3, "JARDIN", "384", "2"},
                     {5, "Ligne vide", "150"},
                     {6, "Saut de page", "1234,6"},
                     {8, "image.gif", "abc"},
                     {10, "Offre(s)", "288"},
                     {16, "Légende", "2140"}});
    g.setTextMatrix(8, col_cat::sorte, " 1");  // not a kind once compared as text
    g.setRowHeight(6, 999);
    applique_styles_catalogue(g);

    // An offer's description in the offers style, its identifier plain.
    EXPECT_TRUE(g.CellFontBold(1, col_cat::texte));
    EXPECT_EQ(g.CellFontSize(1, col_cat::texte), 10);
    EXPECT_FALSE(g.CellFontBold(1, col_cat::identifiant));
    // A request's identifier takes the requests' italic.
    EXPECT_EQ(g.CellFontName(2, col_cat::texte), "Times New Roman");
    EXPECT_TRUE(g.CellFontItalic(2, col_cat::identifiant));
    EXPECT_EQ(g.CellBackColor(3, col_cat::texte), couleur_rgb(255, 0, 0));
    // A blank line shows 300 high whatever it holds; a break its blank, rounded.
    EXPECT_EQ(g.RowHeight(4), 300);
    EXPECT_EQ(g.CellBackColor(4, col_cat::texte), couleur_rgb(0, 255, 255));
    EXPECT_EQ(g.RowHeight(5), 1235);
    EXPECT_EQ(g.CellBackColor(5, col_cat::texte), couleur_rgb(0, 0, 255));
    // A height that is not a number leaves the row as it was; the colour goes on.
    EXPECT_EQ(g.RowHeight(6), 999);
    EXPECT_EQ(g.CellBackColor(6, col_cat::texte), couleur_rgb(255, 255, 0));
    // A label is formatted in its kind cell, two points larger, bold.
    EXPECT_EQ(g.CellFontSize(7, col_cat::sorte), 12);
    EXPECT_TRUE(g.CellFontBold(7, col_cat::sorte));
    // " 1": the columns of any other kind, in the plain offers font.
    EXPECT_EQ(g.CellFontSize(8, col_cat::code), 8);
    EXPECT_FALSE(g.CellFontBold(8, col_cat::sorte));
    EXPECT_FALSE(g.a_un_style(8, col_cat::texte));

    // Running it again changes nothing.
    const int hauteur = g.RowHeight(5);
    applique_styles_catalogue(g);
    EXPECT_EQ(g.RowHeight(5), hauteur);
}

}  // namespace
