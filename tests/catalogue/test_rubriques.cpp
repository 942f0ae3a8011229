#include "catalogue/rubriques.h"

#include "catalogue/catalogue_essai.h"

namespace {

class lignes_de_rubriques : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.type_catalogue = 1;
        données.noms_rubriques[10] = "ALIMENTATION";
        données.noms_rubriques[12] = "Fruits";
        données.noms_rubriques[20] = "JARDIN";
        données.noms_rubriques[21] = "Outils";
    }
    void pose(std::initializer_list<std::pair<int, int>> entrées)  // (kind, code)
    {
        std::vector<ligne_essai> lignes;
        int n = 0;
        for (const auto& [sorte, code] : entrées)
            lignes.push_back({sorte, QStringLiteral("e%1").arg(++n), QStringLiteral("m"), QString::number(code)});
        grille_essai(g, lignes);
    }
    grille g;
};

TEST_F(lignes_de_rubriques, labels_et_demi_lignes_vides)
{
    données.cat_sous_rubriques[1] = 1;
    données.cat_écrire_offre[1] = 1;
    données.cat_rubriques_images[1] = 0;
    // Sub-section 0 opens the section: no sub-section title; an offer below
    // the blank line takes its label at once; a request after an offer of the
    // same sub-section gets a half blank line first.
    pose({{1, 101}, {2, 102}, {1, 211}});
    insère_rubriques(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte),
              QStringList({"5", "3", "5", "10", "1", "5", "11", "2",        // section 1
                           "5", "3", "5", "5", "4", "5", "10", "1"}));  // section 2, sub-section 1
    EXPECT_EQ(g.TextMatrix(6, col_cat::hauteur), "150");
    EXPECT_EQ(g.TextMatrix(13, col_cat::texte), "Outils");
    EXPECT_TRUE(g.TextMatrix(13, col_cat::hauteur).isEmpty());
    EXPECT_EQ(nombre_lignes_vides, 7);
    // The pass leaves the printer in the sections style.
    EXPECT_EQ(papier.FontSize(), 16);
    EXPECT_TRUE(papier.FontBold());
}

TEST_F(lignes_de_rubriques, titres_en_images)
{
    données.cat_sous_rubriques[1] = 0;
    données.cat_écrire_offre[1] = 0;
    données.cat_rubriques_images[1] = 1;
    hauteur_images = 1701;
    données.images_rubriques[1] = "absente.gif";
    données.images_rubriques[2] = "C:\\sel\\images\\Jardin.GIF";
    écrit("images/jardin.gif", "GIF89a");
    // Section 0 never gets a title; then three rows per section.
    pose({{1, 55}, {1, 101}, {2, 102}, {1, 211}});
    insère_rubriques(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte), QStringList({"1", "5", "3", "5", "1", "2", "5", "3", "5", "1"}));
    // A missing picture shows the name, in the room kept for the picture.
    EXPECT_EQ(g.TextMatrix(3, col_cat::texte), "ALIMENTATION");
    EXPECT_EQ(g.TextMatrix(3, col_cat::hauteur), "1701");
    EXPECT_EQ(g.RowHeight(3), 1701);
    EXPECT_EQ(g.TextMatrix(8, col_cat::texte), "C:\\sel\\images\\Jardin.GIF");
    EXPECT_EQ(g.TextMatrix(8, col_cat::code), "2");
}

TEST_F(lignes_de_rubriques, codes_hors_de_la_table_des_noms)
{
    // Section 51 and beyond, and negative codes, have no name nor picture:
    // their titles are empty and the walk goes on.
    données.cat_sous_rubriques[1] = 1;
    données.cat_écrire_offre[1] = 0;
    données.cat_rubriques_images[1] = 1;
    pose({{1, 5121}, {1, 32767}, {2, -215}, {1, 201}});
    insère_rubriques(g, papier);
    EXPECT_EQ(colonne(g, col_cat::sorte),
              QStringList({"5", "3", "5", "5", "4", "1",  // 51, sub-section 2
                           "5", "3", "5", "5", "4", "1",  // 327, sub-section 6
                           "5", "3", "5", "5", "4", "2",  // -2, sub-section -1
                           "5", "3", "5", "1"}));
    EXPECT_EQ(g.TextMatrix(2, col_cat::code), "51");
    for (int r : {2, 5, 8, 11, 14, 17})
        EXPECT_TRUE(g.TextMatrix(r, col_cat::texte).isEmpty()) << r;
    EXPECT_EQ(g.TextMatrix(20, col_cat::texte), "JARDIN");
}

TEST_F(lignes_de_rubriques, grille_sans_entrée)
{
    grille_essai(g, {{0, {}, {}}});
    g.setTextMatrix(1, col_cat::sorte, QString());
    insère_rubriques(g, papier);
    EXPECT_EQ(g.Rows(), 2);
    grille_essai(g, {});
    insère_rubriques(g, papier);
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(nombre_lignes_vides, 0);
}

}  // namespace
