#include "catalogue/colonnes.h"
#include "catalogue/mesures.h"

#include "catalogue/catalogue_essai.h"

#include <QImage>

// The recording surface measures 12 twips a character per point: at 10
// points "WW" is 240 wide and "99999" 600.
namespace {

class colonnes_catalogue : public essai_catalogue {
protected:
    void SetUp() override
    {
        essai_catalogue::SetUp();
        données.type_catalogue = 1;
        membre(1, 4, "Annick", "29200", 0, 1);
        membre(2, 8, "Dominique L.", "29000", 3, 1);  // eliminated, still measured
        données.taille_demandes[1] = 10;
    }
};

TEST_F(colonnes_catalogue, positions_en_a4_et_en_demi_format)
{
    données.cat_format[1] = 0;
    données.cat_code[1] = 0;
    calcule_colonnes_catalogue(papier);
    const données_sel& d = données;
    auto P = static_cast<float>(papier.Width());
    EXPECT_EQ(largeur_identifiant, 12 * 120 + 240);
    EXPECT_EQ(d.x_numéro, 1200);
    EXPECT_EQ(d.x_symbole, 1800);
    EXPECT_EQ(d.x_texte, 2040);
    EXPECT_FLOAT_EQ(d.x_identifiant, P - 1000 - 1680);
    EXPECT_FLOAT_EQ(largeur_texte, P - 1000 - 1680 - 2040 - 100);
    EXPECT_EQ(x_liste_adh1, 1800);
    EXPECT_EQ(x_liste_adh2, 1200);
    EXPECT_FLOAT_EQ(x_liste_adh3, P - 2000 - 2 * 2160);  // 15 characters at 12 points
    EXPECT_FLOAT_EQ(x_liste_adh4, P - 1000 - 2160);
    EXPECT_TRUE(boîtes.messages.empty());

    // Half A4 on a landscape sheet; a postal code takes six digits; no
    // number at all puts the symbol in its place.
    papier.setOrientation(QPageLayout::Landscape);
    données.cat_format[1] = 1;
    données.cat_code[1] = 3;
    calcule_colonnes_catalogue(papier);
    P = static_cast<float>(papier.Width() / 2);
    EXPECT_EQ(d.x_numéro, 500);
    EXPECT_EQ(d.x_symbole, 500 + 720);
    EXPECT_FLOAT_EQ(d.x_identifiant, P - 1000 - 1680);
    EXPECT_FLOAT_EQ(x_liste_adh3, P - 1800 - 2 * 2160);
    EXPECT_FLOAT_EQ(x_liste_adh4, P - 900 - 2160);
    données.cat_code[1] = 2;
    calcule_colonnes_catalogue(papier);
    EXPECT_EQ(d.x_symbole, d.x_numéro);

    // Another format: the positions stay as they were.
    données.cat_format[1] = 5;
    données.x_numéro = 77;
    calcule_colonnes_catalogue(papier);
    EXPECT_EQ(d.x_numéro, 77);
}

TEST_F(colonnes_catalogue, demandes_plus_larges_que_les_offres)
{
    // 15 letters: 1800 twips at 10 points, 1980 at 11, 2160 at 12.
    données.taille_demandes[1] = 11;
    calcule_colonnes_catalogue(papier);
    EXPECT_TRUE(boîtes.messages.empty());
    données.taille_demandes[1] = 12;
    calcule_colonnes_catalogue(papier);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.startsWith("La police et la taille que vous avez choisies pour vos offres "
                                                    "tiennent moins de place que celles choisies pour vos demandes."
                                                    "\r\nSi la différence"));
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::information);
    // Offers wider than requests never warn.
    boîtes.messages.clear();
    données.taille_demandes[1] = 8;
    calcule_colonnes_catalogue(papier);
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(colonnes_catalogue, hauteurs_mesurées)
{
    // An entry: the taller of its wrapped description and identifier.
    grille g;
    grille_essai(g, {{1, "un deux trois quatre", "Annick"}, {4, "Outils", {}}, {5, "Ligne vide", "150"},
                     {16, "Légende", "2140"}, {9, "x", "500"}});
    largeur_texte = 1200;  // "un deux " fits, then "trois ", "quatre"
    EXPECT_EQ(hauteur_ligne_catalogue(g, 1, 1, papier), 3 * 240);
    largeur_texte = 6000;
    largeur_identifiant = 400;  // three characters a line
    EXPECT_EQ(hauteur_ligne_catalogue(g, 1, 1, papier), 2 * 240);
    EXPECT_EQ(hauteur_ligne_catalogue(g, 2, 4, papier), 14 * 24);
    hauteur_ligne_vide = 226.8f;
    EXPECT_EQ(hauteur_ligne_catalogue(g, 3, 5, papier), 226.8f);
    EXPECT_EQ(hauteur_ligne_catalogue(g, 4, 16, papier), 2140);
    EXPECT_EQ(hauteur_ligne_catalogue(g, 5, 9, papier), 0);

    // The legend: heading, empty line, three named genres and the two public
    // symbols, at the offers' size.
    EXPECT_EQ(hauteur_légende(papier), 7 * 240 + 160);
    données.noms_genres = {"", " ", "", "", ""};
    données.symbole_enfant = données.symbole_adulte = " ";
    EXPECT_EQ(hauteur_légende(papier), 2 * 240 + 160);
}

TEST_F(colonnes_catalogue, image_chargée_à_la_hauteur_voulue)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    écrit("images/jardin.png", {});
    ASSERT_TRUE(image.save(chemin("images/jardin.png")));
    EXPECT_EQ(charge_image_rubrique("C:\\sel\\images\\JARDIN.png", 1701), 3402);
    EXPECT_EQ(image_rubrique().width(), 200);
    // A blank or missing name loads nothing and leaves the picture held.
    EXPECT_EQ(charge_image_rubrique("  ", 1701), 0);
    EXPECT_EQ(charge_image_rubrique("absente.png", 1701), 0);
    EXPECT_EQ(image_rubrique().width(), 200);
    EXPECT_TRUE(boîtes.messages.empty());
    // A file that is no picture: nothing is held any more, and the user is told.
    écrit("images/faux.gif", "pas une image");
    EXPECT_EQ(charge_image_rubrique("faux.gif", 1701), 0);
    EXPECT_TRUE(image_rubrique().isNull());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, "Image incorrecte (" + chemin("images/faux.gif") + ")");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::critique);
    // A Windows metafile cannot be read here: as if it were missing.
    écrit("images/logo.WMF", "métafichier");
    EXPECT_EQ(charge_image_rubrique("logo.WMF", 1701), 0);
    EXPECT_EQ(boîtes.messages.size(), 1u);
}

}  // namespace
