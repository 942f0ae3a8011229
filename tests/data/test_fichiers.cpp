#include "data/dossiers.h"
#include "data/fichiers.h"
#include "support/dossier_test.h"

using fichiers_stockés = essai_dossier;

TEST_F(fichiers_stockés, chemin_écrit_ailleurs_retrouvé_dans_le_dossier_du_programme)
{
    écrit("images/Logo.GIF", "GIF89a");
    écrit("photos/adh12.jpg", "jpeg");
    écrit("sous/dossier/carte.png", "png");
    EXPECT_EQ(trouve_fichier_stocké("C:\\Trovane\\images\\logo.gif"), chemin("images/Logo.GIF"));
    EXPECT_EQ(trouve_fichier_stocké("photos\\adh12.jpg"), chemin("photos/adh12.jpg"));
    EXPECT_EQ(trouve_fichier_stocké(chemin("sous/dossier/carte.png")), chemin("sous/dossier/carte.png"));
    données.dossier_images = chemin("sous\\dossier");
    EXPECT_EQ(trouve_fichier_stocké("D:\\Mes images\\CARTE.PNG"), chemin("sous/dossier/carte.png"));
    EXPECT_EQ(trouve_fichier_stocké("  "), "");
    EXPECT_EQ(trouve_fichier_stocké("C:\\ailleurs\\absent.gif"), "");
}

TEST_F(fichiers_stockés, copie_jamais_sur_elle_même)
{
    écrit("a.sel", "contenu");
    QString erreur;
    EXPECT_TRUE(copie_fichier_sûre(chemin("a.sel"), chemin("./a.sel"), erreur));
    EXPECT_EQ(lit("a.sel"), "contenu");
    EXPECT_TRUE(copie_fichier_sûre(chemin("a.sel"), chemin("b.sel"), erreur));
    EXPECT_EQ(lit("b.sel"), "contenu");
    EXPECT_FALSE(copie_fichier_sûre(chemin("absent.sel"), chemin("c.sel"), erreur));
    EXPECT_TRUE(erreur.startsWith("Fichier introuvable"));
}
