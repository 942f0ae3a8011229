#include "printing/texte_etiquette.h"

#include "printing/feuille_etiquettes.h"
#include "printing/essai_impression.h"
#include "support/dossier_test.h"

namespace {

class texte_étiquette : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        ajoute_membre(12, QStringLiteral("jdupont"), QStringLiteral("Dupont Jean"), QStringLiteral("3 rue Haute"),
                       QStringLiteral("75001"), QStringLiteral("Paris"), 4, QStringLiteral("01 02 03 04 05"),
                       QStringLiteral("06 07 08 09 10"));
        ajoute_membre(7, QStringLiteral("vide"), QStringLiteral("Sans Rue"), QString(), QStringLiteral("69001"),
                       QStringLiteral("Lyon"), 0);
    }
};

}  // namespace

TEST_F(texte_étiquette, étiquette_et_publipostage)
{
    const QString attendu = QStringLiteral("\r\nMme & Mr Dupont Jean\r\n3 rue Haute\r\n\r\n75001  Paris");
    EXPECT_EQ(compose_texte(12, sorties::étiquette), attendu);
    EXPECT_EQ(compose_texte(12, sorties::publipostage), attendu);
    // No civility: no prefix and no blank; an empty street keeps its line.
    EXPECT_EQ(compose_texte(7, sorties::étiquette), QStringLiteral("\r\nSans Rue\r\n\r\n\r\n69001  Lyon"));
    // A civility outside the list reads as none.
    for (const int16 hors : {int16{9}, int16{6}, int16{-1}, int16{32767}}) {
        données.table_adhérents[7].civilité = hors;
        EXPECT_EQ(compose_texte(7, sorties::étiquette), QStringLiteral("\r\nSans Rue\r\n\r\n\r\n69001  Lyon"));
    }
}

TEST_F(texte_étiquette, cartes)
{
    EXPECT_EQ(compose_texte(7, sorties::carte_adh),
              QStringLiteral("Carte d'Adhérent n° 7\r\n\r\n.\r\nSans Rue\r\n\r\n\r\n69001  Lyon"));
    // The civility is for labels only; a visiting card adds the phones.
    EXPECT_EQ(compose_texte(12, sorties::carte_id),
              QStringLiteral("12 - jdupont\r\n\r\n.\r\nDupont Jean\r\n3 rue Haute\r\n\r\n75001  Paris\r\n"
                             "01 02 03 04 05  06 07 08 09 10"));
    const titre_et_reste t = sépare_titre(compose_texte(12, sorties::carte_id));
    EXPECT_EQ(t.titre, QStringLiteral("12 - jdupont"));
    EXPECT_TRUE(t.reste.startsWith(QStringLiteral("\r\n\r\n.\r\nDupont Jean")));
}

TEST_F(texte_étiquette, autre_sortie_ou_numéro_hors_table)
{
    EXPECT_EQ(compose_texte(12, QStringLiteral("affiche")), QString());
    EXPECT_EQ(compose_texte(5001, sorties::étiquette), QString());
    EXPECT_EQ(compose_texte(-3, sorties::carte_id), QString());
}
