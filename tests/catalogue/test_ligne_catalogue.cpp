#include "catalogue/ligne_catalogue.h"

#include "catalogue/mesures.h"
#include "catalogue/page_essai.h"

#include <QImage>

namespace {

class ligne_catalogue : public essai_page {
protected:
    void SetUp() override
    {
        essai_page::SetUp();
        petite_association();
    }
    double dessine(int r, double y = 1000, double x0 = 0)
    {
        cible_page c = sur_papier();
        return imprime_ligne_catalogue(c, g, r, sorte_de(g, r), y, x0);
    }
    grille g;
};

TEST_F(ligne_catalogue, une_offre_et_ses_symboles)
{
    // Annick (7) is an adult: no child symbol after her name.
    ligne(g, {{1, "1"}, {2, "530"}, {3, "0"}, {4, "$"}, {5, "Pommes"}, {6, "Annick   "}, {7, "0"}, {9, "7"}});
    largeur_texte = 600;  // "Pommes" takes two lines: "Pomme", "s"
    EXPECT_DOUBLE_EQ(dessine(1, 1000, 5953), 480);
    EXPECT_EQ(textes(), QStringList({"0530", "Pomme", "s", "Annick", glyphe(108), glyphe(36)}));
    EXPECT_EQ(posé("0530")->police, (police_page{"Arial", 8, false, false}));
    EXPECT_EQ(QPointF(posé("0530")->x, posé("0530")->y), QPointF(5953 + 300, 1000));
    EXPECT_EQ(QPointF(posé("s")->x, posé("s")->y), QPointF(5953 + 1400, 1240));
    EXPECT_EQ(QPointF(posé("Annick")->x, posé("Annick")->y), QPointF(5953 + 8000, 1000));
    // The genre at the symbol column, the public marker right after it.
    EXPECT_EQ(posé(glyphe(108))->police, (police_page{police_symboles(), 10, false, false}));
    EXPECT_DOUBLE_EQ(posé(glyphe(108))->x, 5953 + 900);
    EXPECT_DOUBLE_EQ(posé(glyphe(36))->x, 5953 + 900 + 120);
}

TEST_F(ligne_catalogue, une_demande_supprimée_dans_un_additif)
{
    données.type_catalogue = 0;
    données.taille_demandes[0] = 14;  // requests larger than offers (10)
    largeur_identifiant = 1000;       // "Bastien" at 14 points: "Bastie", "n"
    ligne(g, {{1, "2"}, {2, "201"}, {3, "1"}, {4, " "}, {5, "Bêche"}, {6, " Bastien"}, {7, "2"}, {9, "5"}});
    EXPECT_DOUBLE_EQ(dessine(1), 2 * 14 * 24);
    // Number and description struck through; identifier and symbols not.
    EXPECT_TRUE(posé("0201")->police.barré);
    EXPECT_EQ(posé("Bêche")->police, (police_page{"Arial", 14, false, true, true}));
    EXPECT_FALSE(posé("Bastie")->police.barré);
    // Bastien (5) is a child: the child symbol right after the identifier's
    // last line, at its size, never italic. The genre at the offers' size;
    // a blank public marker draws nothing.
    const texte_posé enfant = *posé(glyphe(74));
    EXPECT_EQ(QPointF(enfant.x, enfant.y), QPointF(8000 + 14 * 12, 1000 + 14 * 24));
    EXPECT_EQ(enfant.police, (police_page{police_symboles(), 14, false, false}));
    EXPECT_EQ(posé(glyphe(118))->police, (police_page{police_symboles(), 10, false, false}));
    EXPECT_EQ(textes().size(), 6);
}

TEST_F(ligne_catalogue, numéros_de_membre_et_genres_hors_table)
{
    // Member outside the table, genre outside the five: those steps are left
    // out, the row is drawn all the same.
    for (const char* membre : {"0", "5001", "-5", "1e12", "x"})
        ligne(g, {{1, "1"}, {2, "101"}, {3, "5"}, {5, "Miel"}, {6, "Bastien"}, {9, membre}});
    ligne(g, {{1, "1"}, {2, "101"}, {3, "-1"}, {5, "Miel"}, {6, "Bastien"}, {9, "5"}});
    ligne(g, {{1, "1"}, {2, "101"}, {3, "99999999999"}, {5, "Miel"}, {6, "Bastien"}, {9, "5"}});
    for (int r = 1; r < g.Rows(); ++r) {
        papier.KillDoc();
        EXPECT_DOUBLE_EQ(dessine(r), 240) << r;
        const QStringList t = textes();
        EXPECT_EQ(t.mid(0, 3), QStringList({"0101", "Miel", "Bastien"})) << r;
        // Bastien (5) is a child: his symbol only where his number is read.
        EXPECT_EQ(t.size(), r >= 6 ? 4 : 3) << r;
    }
}

TEST_F(ligne_catalogue, numéro_selon_l_option_et_cellules_vides)
{
    ligne(g, {{1, "1"}, {2, "530"}, {3, "2"}, {5, "Miel"}, {6, "Bastien"}, {8, "12"}, {9, "5"}, {13, "7000"}});
    // A description repeated: the row keeps only its member (no code, genre).
    ligne(g, {{1, "1"}, {6, "Annick"}, {9, "7"}});
    // A blank identifier: no child symbol, whatever the member.
    ligne(g, {{1, "1"}, {5, "Miel"}, {6, "  "}, {9, "5"}});
    const auto premier = [&](int cat_code) {
        données.cat_code[1] = static_cast<int16>(cat_code);
        papier.KillDoc();
        dessine(1);
        return textes().value(0);
    };
    EXPECT_EQ(premier(0), "0530");
    EXPECT_EQ(premier(1), "0012");
    EXPECT_EQ(premier(3), "07000");
    EXPECT_EQ(premier(2), "Miel");
    papier.KillDoc();
    EXPECT_DOUBLE_EQ(dessine(2), 240);
    dessine(3);
    EXPECT_EQ(textes(), QStringList({"Annick", "Miel"}));
}

TEST_F(ligne_catalogue, titres_images_et_lignes_sans_dessin)
{
    ligne(g, {{1, "3"}, {2, "2"}, {5, "JARDIN"}, {6, "1000"}});
    ligne(g, {{1, "4"}, {5, "Fruits"}});
    ligne(g, {{1, "11"}, {5, "Demande(s)"}});
    ligne(g, {{1, "8"}, {5, "absente.png"}, {6, "900"}});
    ligne(g, {{1, "16"}, {5, "L"}, {6, "2140"}});
    EXPECT_DOUBLE_EQ(dessine(1), 16 * 24);
    EXPECT_EQ(posé("JARDIN")->police, (police_page{"Arial", 16, true, false}));
    EXPECT_DOUBLE_EQ(posé("JARDIN")->x, 1400);
    EXPECT_DOUBLE_EQ(dessine(2), 14 * 24);
    EXPECT_DOUBLE_EQ(posé("Fruits")->x, 900);
    EXPECT_DOUBLE_EQ(dessine(3), 12 * 24);
    EXPECT_EQ(posé("Demande(s)")->police, (police_page{"Arial", 12, true, true}));
    // A missing picture draws nothing and keeps its height.
    papier.KillDoc();
    EXPECT_DOUBLE_EQ(dessine(4), 900);
    EXPECT_TRUE(papier.pages().empty());
    // The legend is on a right-hand page only past x0 = 3000.
    EXPECT_DOUBLE_EQ(dessine(5, 1000, 3000), 2140);
    EXPECT_DOUBLE_EQ(posé("Signification des symboles utilisés:")->x, 300);
    EXPECT_DOUBLE_EQ(posé("Signification des symboles utilisés:")->y, 1000 + 150 + 80);
    données.cat_format[1] = 1;
    papier.KillDoc();
    dessine(5, 1000, 3001);
    EXPECT_DOUBLE_EQ(posé("Signification des symboles utilisés:")->x, 300 + largeur_a4 / 2);

    // Section pictures: the name in the middle of the room kept for a
    // missing one; a picture that exists, centred on its half page.
    données.cat_rubriques_images[1] = 1;
    papier.KillDoc();
    EXPECT_DOUBLE_EQ(dessine(1, 500), 1000);
    EXPECT_DOUBLE_EQ(posé("JARDIN")->y, 500 + (1000 - 384) / 2.0);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(chemin("jardin.png")));
    g.setTextMatrix(1, col_cat::texte, chemin("jardin.png"));
    papier.KillDoc();
    EXPECT_DOUBLE_EQ(dessine(1, 500, 5953), 1000);
    ASSERT_EQ(papier.images(0).size(), 1u);
    EXPECT_EQ(papier.images(0)[0].cadre, QRectF(5953 + (largeur_a4 / 2 - 2000) / 2, 500, 2000, 1000));

    // A picture that cannot be read draws nothing and says why; a row
    // without height draws nothing.
    écrit("abîmée.png", "pas une image");
    ligne(g, {{1, "8"}, {5, chemin("abîmée.png")}, {6, "900"}});
    ligne(g, {{1, "8"}, {5, chemin("jardin.png")}, {6, "0"}});
    ligne(g, {{1, "8"}, {5, chemin("jardin.png")}, {6, "-300"}});
    ligne(g, {{1, "3"}, {2, "2"}, {5, chemin("jardin.png")}, {6, "0"}});
    papier.KillDoc();
    EXPECT_TRUE(boîtes.messages.empty());
    EXPECT_DOUBLE_EQ(dessine(6), 900);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "Image incorrecte (" + chemin("abîmée.png") + ")");
    EXPECT_DOUBLE_EQ(dessine(7), 0);
    EXPECT_DOUBLE_EQ(dessine(8), 0);
    EXPECT_FLOAT_EQ(hauteur_ligne_catalogue(g, 8, 8, papier), 0);
    EXPECT_DOUBLE_EQ(dessine(9), 0);
    EXPECT_TRUE(papier.images(0).empty());

    // Breaks and unknown kinds draw nothing and take no height.
    papier.KillDoc();
    for (const char* sorte : {"6", "9", "12", "15"}) {
        ligne(g, {{1, sorte}, {5, "Saut de page"}, {6, "800"}});
        const int r = g.Rows() - 1;
        EXPECT_DOUBLE_EQ(dessine(r), 0) << sorte;
        EXPECT_FLOAT_EQ(hauteur_ligne_catalogue(g, r, sorte_de(g, r), papier), 0) << sorte;
    }
    EXPECT_TRUE(papier.pages().empty());
}

}  // namespace
