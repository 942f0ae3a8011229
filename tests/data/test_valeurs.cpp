#include "data/valeurs.h"
#include <gtest/gtest.h>
TEST(valeurs, bidon) { EXPECT_EQ(texte_fichier(monnaie::depuis_brut(5000)), ".5"); }
