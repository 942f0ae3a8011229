#include "printing/feuille_etiquettes.h"

#include <gtest/gtest.h>

namespace {

feuille_étiquettes feuille_a4(int colonnes, int lignes)
{
    feuille_étiquettes f;
    f.largeur_page = 11906;
    f.hauteur_page = 16838;
    change_format(f, colonnes, lignes);
    return f;
}

}  // namespace

TEST(feuille_étiquettes, taille_d_une_étiquette_a4)
{
    feuille_étiquettes f = feuille_a4(3, 7);
    EXPECT_NEAR(largeur_étiquette(f), 3968.67, 0.01);
    EXPECT_NEAR(hauteur_étiquette(f), 2405.43, 0.01);
    EXPECT_EQ(y_étiquette(f, 1), 0);

    // The top and bottom margins shorten every label and push the first row down.
    f.marges_hb = true;
    EXPECT_NEAR(hauteur_étiquette(f), 2319.71, 0.01);
    EXPECT_EQ(y_étiquette(f, 1), 300);
    // The left and right margins do not change the pitch.
    f.marges_gd = true;
    EXPECT_NEAR(x_étiquette(f, 2), 3968.67, 0.01);
}

TEST(feuille_étiquettes, la_plus_grande_feuille_tombe_sur_ses_bords)
{
    feuille_étiquettes f = feuille_a4(8, 12);
    EXPECT_NEAR(x_étiquette(f, 8), 7 * 11906.0 / 8, 1e-9);
    EXPECT_NEAR(y_étiquette(f, 12), 11 * 16838.0 / 12, 1e-9);
    EXPECT_NEAR(x_étiquette(f, 9), 11906, 1e-9);
    EXPECT_EQ(place_étiquette_de(f, 95), (place_étiquette{0, 8, 12}));
    EXPECT_EQ(place_étiquette_de(f, 96), (place_étiquette{1, 1, 1}));
    f.marges_hb = true;
    EXPECT_NEAR(y_étiquette(f, 12), 11 * (16838.0 - 600) / 12 + 300, 1e-9);
}

TEST(feuille_étiquettes, la_première_page_commence_à_l_étiquette_de_départ)
{
    feuille_étiquettes f = feuille_a4(3, 7);
    f.colonne_départ = 2;  // third column
    f.ligne_départ = 1;    // second row
    EXPECT_EQ(place_étiquette_de(f, 0), (place_étiquette{0, 3, 2}));
    EXPECT_EQ(place_étiquette_de(f, 1), (place_étiquette{0, 1, 3}));
    // 21 - 5 labels fill the first page; the next starts the second at its corner.
    EXPECT_EQ(place_étiquette_de(f, 15), (place_étiquette{0, 3, 7}));
    EXPECT_EQ(place_étiquette_de(f, 16), (place_étiquette{1, 1, 1}));
    EXPECT_EQ(place_étiquette_de(f, 37), (place_étiquette{2, 1, 1}));
}

TEST(feuille_étiquettes, un_départ_hors_de_la_feuille_revient_à_la_première)
{
    feuille_étiquettes f = feuille_a4(3, 12);
    f.ligne_départ = 10;
    f.nb_lignes = 4;  // fewer rows set behind the start label's back
    EXPECT_EQ(place_étiquette_de(f, 0), (place_étiquette{0, 1, 1}));
}

TEST(feuille_étiquettes, un_clic_sur_l_image_choisit_l_étiquette_de_départ)
{
    feuille_étiquettes f = feuille_a4(3, 7);
    // Picture of 140 x 198 pixels: third column, second row.
    choisit_départ(f, 100, 40, 140, 198);
    EXPECT_EQ(f.colonne_départ, 2);
    EXPECT_EQ(f.ligne_départ, 1);
    choisit_départ(f, 0, 0, 140, 198);
    EXPECT_EQ(f.colonne_départ, 0);
    EXPECT_EQ(f.ligne_départ, 0);
    // The far edges stay on the sheet.
    choisit_départ(f, 140, 198, 140, 198);
    EXPECT_EQ(f.colonne_départ, 2);
    EXPECT_EQ(f.ligne_départ, 6);
}

TEST(feuille_étiquettes, le_texte_reste_dans_son_étiquette)
{
    for (int colonnes = colonnes_min; colonnes <= colonnes_max; ++colonnes)
        for (bool gd : {false, true}) {
            feuille_étiquettes f = feuille_a4(colonnes, 7);
            f.marges_gd = gd;
            const double début = gd ? retrait_marge_gd : 0;
            EXPECT_LT(début + largeur_texte(f, sorties::étiquette), largeur_étiquette(f)) << colonnes << gd;
        }
    feuille_étiquettes cartes = feuille_a4(2, 4);
    EXPECT_LT(x_texte_carte(cartes) + largeur_texte(cartes, sorties::carte_id), largeur_étiquette(cartes));
    EXPECT_GT(largeur_texte(cartes, sorties::carte_adh), 0);
    // The left and right margins narrow labels, not cards.
    cartes.marges_gd = true;
    EXPECT_EQ(largeur_texte(cartes, sorties::carte_id), largeur_texte(feuille_a4(2, 4), sorties::carte_id));
    EXPECT_EQ(largeur_texte(cartes, sorties::publipostage), 4536);
}
