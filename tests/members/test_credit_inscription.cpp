// The registration credit: its two lines, the figures it moves, and their
// exact undoing when the new member is abandoned.
#include "members/credit_inscription.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

namespace {

class crédit : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        remplit_association_essai(données);  // members 1..40, 80 lines
        données.compte_asso_débité = 9996;
        données.solde_départ = monnaie::unités(50);
        champs = champs_de(adhérent{});
        champs.prénom = "Zoé";
        champs.date_adh = "14/03/2026";
        champs.solde = champs.débits = champs.crédits = champs.volume = "";
    }
    adhérent& a(int n) { return données.table_adhérents[static_cast<std::size_t>(n)]; }
    const ligne_de_compte& ligne(int i) { return données.table_lignes_compte[static_cast<std::size_t>(i)]; }

    champs_adhérent champs;
    crédit_inscription c;
};

TEST_F(crédit, deux_lignes_et_les_soldes)
{
    a(41).der_solde = monnaie::unités(7);  // left by a former record: the typed fields count
    const monnaie solde_asso = données.comptes_asso[1].solde;
    const int16 débits_asso = données.comptes_asso[1].débits;
    const monnaie volume_asso = données.comptes_asso[1].volume;

    ASSERT_EQ(crédite_inscription("41", champs, c), issue_crédit::posté);
    ASSERT_EQ(données.nombre_lignes_compte, 82);

    const ligne_de_compte& l1 = ligne(81);
    EXPECT_EQ(l1.sens, "1");
    EXPECT_EQ(l1.compte, 9996);
    EXPECT_EQ(l1.partenaire, 41);
    EXPECT_EQ(l1.montant, monnaie::unités(50));
    EXPECT_EQ(l1.solde, solde_asso - monnaie::unités(50));
    EXPECT_EQ(l1.description, "Crédit à l'inscription");
    EXPECT_EQ(l1.dte_enr, date_depuis(QDate(2026, 3, 14), QTime(10, 30)));
    EXPECT_EQ(l1.dte_opé, date_depuis(QDate(2026, 3, 14)));
    EXPECT_EQ(l1.enf, "-1");
    EXPECT_EQ(l1.genre, 0);

    const ligne_de_compte& l2 = ligne(82);
    EXPECT_EQ(l2.sens, "2");
    EXPECT_EQ(l2.compte, 41);
    EXPECT_EQ(l2.partenaire, 9996);
    EXPECT_EQ(l2.solde, monnaie::unités(50));

    EXPECT_EQ(a(41).der_solde, monnaie::unités(50));
    EXPECT_EQ(a(41).crédits, 1);
    EXPECT_EQ(a(41).débits, 0);
    EXPECT_EQ(a(41).volume, monnaie::unités(50));
    EXPECT_EQ(données.comptes_asso[1].débits, débits_asso + 1);
    EXPECT_EQ(données.comptes_asso[1].volume, volume_asso + monnaie::unités(50));
    EXPECT_EQ(c.numéro, 41);
}

TEST_F(crédit, annulé_tout_revient_comme_avant)
{
    a(41).der_solde = monnaie::unités(7);
    const données_sel avant = données;
    ASSERT_EQ(crédite_inscription("41", champs, c), issue_crédit::posté);
    EXPECT_TRUE(annule_crédit_inscription(c));
    EXPECT_EQ(données, avant);

    // Lines recorded after the credit by another window stay, in order.
    ASSERT_EQ(crédite_inscription("41", champs, c), issue_crédit::posté);
    ligne_de_compte autre;
    autre.description = "échange";
    autre.compte = 3;
    données.table_lignes_compte[83] = autre;
    données.nombre_lignes_compte = 83;
    EXPECT_TRUE(annule_crédit_inscription(c));
    EXPECT_EQ(données.nombre_lignes_compte, 81);
    EXPECT_EQ(ligne(81), autre);
    EXPECT_EQ(ligne(82), ligne_de_compte{});

    // Lines no longer as posted (a file loaded since): nothing is touched.
    ASSERT_EQ(crédite_inscription("41", champs, c), issue_crédit::posté);
    données.table_lignes_compte[static_cast<std::size_t>(c.ligne_membre)].montant = monnaie::unités(1);
    const données_sel changé = données;
    EXPECT_FALSE(annule_crédit_inscription(c));
    EXPECT_EQ(données, changé);
}

TEST_F(crédit, réglages_manquants)
{
    const données_sel avant = données;
    données.compte_asso_débité = 0;
    EXPECT_EQ(crédite_inscription("41", champs, c), issue_crédit::réglages_manquants);
    données.compte_asso_débité = 9996;
    données.solde_départ = {};
    EXPECT_EQ(crédite_inscription("41", champs, c), issue_crédit::réglages_manquants);
    EXPECT_EQ(boîtes.textes(),
              (QStringList{"Le compte asso à débiter n'a pas été renseigné dans les paramètres. L'opération est "
                           "impossible.",
                           "Le montant à attribuer n'a pas été renseigné dans les paramètres. L'opération est "
                           "impossible."}));
    données.solde_départ = avant.solde_départ;
    EXPECT_EQ(données, avant);
}

TEST_F(crédit, vérifié_avant_de_poster)
{
    const données_sel avant = données;
    EXPECT_EQ(crédite_inscription("0", champs, c), issue_crédit::refusé);
    EXPECT_EQ(crédite_inscription("7", champs, c), issue_crédit::refusé);  // a listed member
    champs.date_adh = "hier";
    EXPECT_EQ(crédite_inscription("41", champs, c), issue_crédit::refusé);
    champs.date_adh = "00:00:00";
    champs.crédits = "32767";  // one more credit would not fit
    EXPECT_EQ(crédite_inscription("41", champs, c), issue_crédit::refusé);
    champs.crédits = "";
    données.nombre_lignes_compte = max_lignes_compte - 1;
    EXPECT_EQ(crédite_inscription("41", champs, c), issue_crédit::refusé);
    données.nombre_lignes_compte = avant.nombre_lignes_compte;
    EXPECT_EQ(données, avant);
    EXPECT_EQ(boîtes.messages.size(), 5u);
}

}  // namespace
