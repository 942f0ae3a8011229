// The period dates typed in the report windows, the last-operations range
// and the number forms of the totals rows.
#include "accounts/extraction_comptes.h"
#include "reports/periode_rapports.h"
#include "support/dossier_test.h"

using essai_période = essai_dossier;

TEST_F(essai_période, une_date_de_période_suit_le_calendrier_et_les_limites)
{
    // Today is 14/03/2026: years 1999 to 2028 are possible.
    EXPECT_TRUE(date_période_acceptée("01", "01", "1999"));
    EXPECT_TRUE(date_période_acceptée("31", "12", "2028"));
    EXPECT_TRUE(date_période_acceptée("29", "02", "2024"));
    EXPECT_FALSE(date_période_acceptée("29", "02", "2025"));
    EXPECT_TRUE(date_période_acceptée("29", "02", "2028"));
    EXPECT_FALSE(date_période_acceptée("31", "04", "2024"));
    EXPECT_FALSE(date_période_acceptée("15", "13", "2024"));
    EXPECT_FALSE(date_période_acceptée("15", "0", "2024"));
    EXPECT_FALSE(date_période_acceptée("0", "5", "2024"));
    EXPECT_FALSE(date_période_acceptée("01", "01", "1998"));
    EXPECT_FALSE(date_période_acceptée("01", "01", "2029"));
    EXPECT_FALSE(date_période_acceptée("Text1", "01", "2026"));
    EXPECT_FALSE(date_période_acceptée("", "", ""));
    EXPECT_TRUE(boîtes.messages.empty());

    EXPECT_FALSE(contrôle_date_période("31", "04", "2024"));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte,
              "Le 31/04/2024 n'est pas une date correcte ou dans les limites des dates possibles");
    EXPECT_EQ(boîtes.messages[0].style, style_boîte::exclamation);

    EXPECT_EQ(date_des_champs("01", "03", "2026"), date_depuis(QDate(2026, 3, 1)));
    EXPECT_FALSE(date_des_champs("31", "02", "2026"));
    EXPECT_FALSE(date_des_champs("", "", ""));
}

TEST(jours_des_mois, février_suit_le_calendrier_grégorien)
{
    EXPECT_EQ(jours_des_mois(2024)[2], 29);
    EXPECT_EQ(jours_des_mois(2000)[2], 29);
    EXPECT_EQ(jours_des_mois(2100)[2], 28);
    EXPECT_EQ(jours_des_mois(1900)[2], 28);
    EXPECT_EQ(jours_des_mois(2026)[2], 28);
    EXPECT_EQ(jours_des_mois(2026)[4], 30);
    EXPECT_EQ(jours_des_mois(2026)[12], 31);

    // The month chosen takes the length of the year typed; the table of the
    // window's year stands in only for a year field that holds no year.
    EXPECT_EQ(période_du_mois(2, "2100", jours_des_mois(2024)).jour_fin, "28");
    EXPECT_EQ(période_du_mois(2, "2028", jours_des_mois(2026)).jour_fin, "29");
    EXPECT_EQ(période_du_mois(2, "Text1", jours_des_mois(2100)).jour_fin, "28");
}

TEST(choix_dernières, la_plage_et_le_nombre_de_lignes_demandées)
{
    // "5 dernières" with 3 lines in the ledger asks for the last five lines.
    EXPECT_EQ(choix_dernières(1, 3, {}).première_ligne, 1);
    EXPECT_EQ(choix_dernières(1, 3, {}).dernière_ligne, 3);
    EXPECT_EQ(choix_dernières(1, 3, {}).nombre, 5);
    const dernières_opérations cent = choix_dernières(1, 100, {});
    EXPECT_EQ(cent.première_ligne, 95);
    EXPECT_EQ(cent.dernière_ligne, 100);
    EXPECT_EQ(cent.nombre, 5);
    EXPECT_EQ(choix_dernières(5, 100, {}).nombre, 25);
    // "toutes" takes every line.
    const dernières_opérations toutes = choix_dernières(0, 100, cent);
    EXPECT_EQ(toutes.première_ligne, 1);
    EXPECT_EQ(toutes.nombre, 0);
    // No choice keeps what was chosen.
    const dernières_opérations aucune = choix_dernières(-1, 120, cent);
    EXPECT_EQ(aucune.première_ligne, 95);
    EXPECT_EQ(aucune.nombre, 5);
    EXPECT_EQ(aucune.dernière_ligne, 120);
}

TEST(format_groupes, les_places_de_chiffres_et_les_blancs_du_masque)
{
    EXPECT_EQ(format_groupes(monnaie::unités(7), u"### 000"), " 007");
    EXPECT_EQ(format_groupes(monnaie::unités(1234), u"### 000"), "1 234");
    EXPECT_EQ(format_groupes(monnaie::unités(1550), u"### ### 000"), " 1 550");
    EXPECT_EQ(format_groupes(monnaie::unités(0), u"### ### 000"), "  000");
    // Digits beyond the mask are grouped by three as well.
    EXPECT_EQ(format_groupes(monnaie::unités(1234567), u"### 000"), "1 234 567");
    EXPECT_EQ(format_groupes(monnaie::depuis_brut(124065205670), u"### 000"), "12 406 520,567");
    EXPECT_EQ(format_groupes(monnaie::unités(-1234567890), u"000"), "-1 234 567 890");
    EXPECT_EQ(format_groupes(monnaie::unités(5), u"000"), "005");
    EXPECT_EQ(format_groupes(monnaie::unités(1234567), u"### ### ### 000"), " 1 234 567");
    EXPECT_EQ(format_groupes(monnaie::unités(-1550), u"### ### ### 000"), "-  1 550");
    EXPECT_EQ(format_groupes(monnaie::depuis_brut(125000), u"### 000"), " 012,5");
}

TEST(montant_de_cellule, relit_les_nombres_des_tableaux)
{
    EXPECT_EQ(montant_de_cellule(" 1 550"), monnaie::unités(1550));
    EXPECT_EQ(montant_de_cellule(""), monnaie{});
    EXPECT_EQ(montant_de_cellule("-12 345,5"), monnaie::depuis_brut(-123455000));
    EXPECT_EQ(montant_de_cellule("1 250.25"), monnaie::depuis_brut(12502500));
    EXPECT_EQ(montant_de_cellule("12 grs"), monnaie::unités(12));
}
