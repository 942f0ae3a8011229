#include "data/reglages.h"
#include "support/dossier_test.h"

using réglages_utilisateur = essai_dossier;

TEST_F(réglages_utilisateur, textes_booléens_et_sections)
{
    EXPECT_EQ(réglages::lit("sel", "langue", "français"), "français");
    réglages::écrit("sel", "langue", "anglais");
    réglages::écrit_booléen("Utilisateur", "poste_compta", true);
    réglages::écrit_booléen("Utilisateur", "aff_grille", false);
    EXPECT_EQ(réglages::lit("sel", "langue"), "anglais");
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "True");
    EXPECT_TRUE(réglages::lit_booléen("Utilisateur", "poste_compta", false));
    EXPECT_FALSE(réglages::lit_booléen("Utilisateur", "aff_grille", true));
    EXPECT_TRUE(réglages::lit_booléen("Utilisateur", "absent", true));
    réglages::écrit("répertoires", "x", "Vrai");
    EXPECT_TRUE(réglages::lit_booléen("répertoires", "x", false));

    réglages::efface("Utilisateur", "aff_grille");
    EXPECT_EQ(réglages::lit("Utilisateur", "aff_grille", "?"), "?");
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta"), "True");
    réglages::efface("Utilisateur");
    EXPECT_EQ(réglages::lit("Utilisateur", "poste_compta", "?"), "?");
    EXPECT_EQ(réglages::lit("sel", "langue"), "anglais");
}
