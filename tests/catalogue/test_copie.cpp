#include "catalogue/copie.h"

#include "catalogue/catalogue_essai.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

using copie_du_catalogue = essai_catalogue;

TEST_F(copie_du_catalogue, une_ligne_de_texte_par_ligne_de_grille)
{
    grille g;
    grille_essai(g, {{3, "JARDIN", "384", "2"},
                     {11, "Demande(s)", "288"},
                     {2, "Bêche", "Bastien"},
                     {1, "", "Annick"},  // description blanked as a repeat
                     {5, "Ligne vide", "300"},
                     {4, "Outils", {}},
                     {10, "Offre(s)", "288"},
                     {9, " blanc: 3 mm- bas de page 0", "198"}});
    g.setTextMatrix(3, col_cat::tel2, "06 12           ");
    const QString attendu = "\tJARDIN\t\t\r\n"
                            "\tDemandes\t\r\n"
                            "Demande\tBêche\tBastien\t06 12           \r\n"
                            "Offre\t\tAnnick\t\r\n"
                            "\t\t\t\r\n"
                            "\tOutils\t\t\r\n"
                            "\tOffres\t\r\n"
                            "\t\t\t";
    EXPECT_EQ(texte_catalogue(g), attendu);
    copie_catalogue(g);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), attendu);

    // A grid of fewer columns (the menu's build) reads blank beyond them.
    g.setCols(11);
    EXPECT_TRUE(texte_catalogue(g).contains("Demande\tBêche\tBastien\t\r\n"));

    grille_essai(g, {});
    EXPECT_TRUE(texte_catalogue(g).isEmpty());
}

}  // namespace
