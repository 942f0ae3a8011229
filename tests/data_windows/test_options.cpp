#include "data_windows/options.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

namespace {

class options : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données, {6, 8, 0, 10});
    }
};

}  // namespace

TEST_F(options, listes_de_symboles)
{
    const auto& codes = codes_symboles();
    ASSERT_EQ(codes.size(), 223u);
    EXPECT_EQ(codes.front(), 32);
    EXPECT_EQ(codes.back(), 255);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 34), 0);
    // Every item's character leads back to its own position, the code page's
    // holes and accented letters included.
    for (int p = 0; p < 223; ++p) {
        EXPECT_EQ(position_caractère_symbole(caractère_symbole(p)), p) << p;
        EXPECT_EQ(position_code_symbole(codes[static_cast<std::size_t>(p)]), p) << p;
    }
    EXPECT_EQ(caractère_symbole(position_code_symbole(74)), "J");
    EXPECT_EQ(caractère_symbole(position_code_symbole(0x80)), QString(QChar(0x20AC)));
    EXPECT_EQ(position_caractère_symbole("\""), -1);
    EXPECT_EQ(position_caractère_symbole("JJ"), -1);
    EXPECT_EQ(position_code_symbole(31), -1);
}

TEST_F(options, ouvrir_puis_fermer_ne_change_rien)
{
    données.comptes_asso[3].solde = monnaie::depuis_brut(-125);  // -0,0125
    données.solde_départ = monnaie::depuis_brut(32500);
    données.numérotation_suivante = true;
    données.compte_asso_débité = 9998;
    // Symbols the lists cannot show are kept as they are.
    données.symboles_genres[3] = "0";
    données.symbole_adulte = "";
    const données_sel avant = données;

    const champs_options c = lit_options(données);
    EXPECT_EQ(c.position_compte_débité, 3);
    EXPECT_EQ(c.positions_genres, (std::array<int, 5>{108 - 33, 118 - 33, 110 - 33, 0, 182 - 33}));
    EXPECT_EQ(c.position_adulte, 0);
    EXPECT_EQ(c.soldes_modifiables, (std::array<bool, 5>{true, false, false, false, false}));
    EXPECT_EQ(range_options(c, c, données), std::nullopt);
    EXPECT_TRUE(données == avant);
}

TEST_F(options, le_symbole_enfant_ou_adulte_change_sur_les_propositions_qui_le_portaient)
{
    données_sel& d = données;
    d.table_propositions[1].kid = "J";
    d.table_propositions[2].kid = "";
    d.table_propositions[3].kid = "K";
    d.table_propositions[1].adulte = "";
    d.table_propositions[2].adulte = "$";
    d.table_propositions[9].kid = "J";  // outside the list
    const champs_options ouverture = lit_options(d);

    champs_options saisie = ouverture;
    saisie.position_enfant = position_caractère_symbole("L");
    saisie.position_adulte = position_caractère_symbole("%");
    ASSERT_EQ(range_options(ouverture, saisie, d), std::nullopt);
    EXPECT_EQ(d.symbole_enfant, "L");
    EXPECT_EQ(d.symbole_adulte, "%");
    EXPECT_EQ(d.table_propositions[1].kid, "L");
    EXPECT_EQ(d.table_propositions[2].kid, "");
    EXPECT_EQ(d.table_propositions[3].kid, "K");
    EXPECT_EQ(d.table_propositions[9].kid, "J");
    EXPECT_EQ(d.table_propositions[1].adulte, "");
    EXPECT_EQ(d.table_propositions[2].adulte, "%");

    // With no child symbol before, the propositions meant for everybody stay so.
    d.symbole_enfant = "";
    const champs_options sans = lit_options(d);
    champs_options choisi = sans;
    choisi.position_enfant = position_caractère_symbole("J");
    ASSERT_EQ(range_options(sans, choisi, d), std::nullopt);
    EXPECT_EQ(d.symbole_enfant, "J");
    EXPECT_EQ(d.table_propositions[2].kid, "");
}

TEST_F(options, montants_et_codes_sont_relus_dans_les_paramètres)
{
    données_sel& d = données;
    const champs_options ouverture = lit_options(d);
    champs_options s = ouverture;
    s.solde_départ = "12.5";
    s.soldes_comptes[4] = "-1 250,75";
    s.positions_genres[3] = position_code_symbole(182);
    s.numérotation_suivante = true;
    s.position_compte_débité = 0;  // taken at the click, not at closing
    ASSERT_EQ(range_options(ouverture, s, d), std::nullopt);

    EXPECT_EQ(d.solde_départ, monnaie::depuis_brut(125000));
    EXPECT_EQ(d.comptes_asso[4].solde, monnaie::depuis_brut(-12507500));
    EXPECT_EQ(d.symboles_genres[3], "182");
    EXPECT_TRUE(d.numérotation_suivante);
    EXPECT_EQ(d.compte_asso_débité, 0);
}

TEST_F(options, un_champ_impossible_à_ranger_ne_range_rien)
{
    const données_sel avant = données;
    const champs_options ouverture = lit_options(données);
    champs_options s = ouverture;
    s.nom_monnaie = "pommes";
    s.soldes_comptes[2] = "1-2";
    auto refus = range_options(ouverture, s, données);
    ASSERT_TRUE(refus);
    EXPECT_EQ(*refus, "Le champ « solde du Compte association N° 3 » ne contient pas un montant : « 1-2 ».");
    EXPECT_TRUE(données == avant);

    s.soldes_comptes[2] = "";
    EXPECT_TRUE(range_options(ouverture, s, données));

    s.soldes_comptes[2] = ouverture.soldes_comptes[2];
    s.entête = "SEL ✓";
    refus = range_options(ouverture, s, données);
    ASSERT_TRUE(refus);
    EXPECT_TRUE(refus->startsWith("Le champ « Entête de l'Association » contient des caractères"));
    EXPECT_TRUE(données == avant);
}
