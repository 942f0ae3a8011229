// The levy on an exchange, computed exactly, and the reading of the typed
// levy fields.
#include "accounts/prelevement.h"
#include "support/impression_qt.h"
#include "support/dossier_test.h"

namespace {

monnaie u(std::int64_t n) { return monnaie::unités(n); }

class prélèvement : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
    }
};

TEST_F(prélèvement, réglages_par_défaut)
{
    const barème_prélèvement b = barème_des_paramètres();
    const monnaie solde = u(1);
    EXPECT_EQ(calcule_prélèvement(b, solde, u(300)), u(1));
    EXPECT_EQ(calcule_prélèvement(b, solde, u(150)), u(0));
    EXPECT_EQ(calcule_prélèvement(b, solde, u(5000)), u(5));  // the base is capped at 1000
    EXPECT_EQ(calcule_prélèvement(b, solde, u(50)), u(0));    // not above the minimum
    EXPECT_EQ(calcule_prélèvement(b, solde, u(51)), u(0));
    EXPECT_EQ(calcule_prélèvement(b, solde, u(1000)), u(5));
    EXPECT_EQ(calcule_prélèvement(b, solde, monnaie::depuis_brut(3999999)), u(1));  // 399,9999 -> 1,999...
}

TEST_F(prélèvement, seuil_du_solde_de_l_offreur)
{
    barème_prélèvement b = barème_des_paramètres();
    b.solde_mini = u(200);
    EXPECT_EQ(calcule_prélèvement(b, u(200), u(400)), u(0));
    EXPECT_EQ(calcule_prélèvement(b, monnaie::depuis_brut(2000001), u(400)), u(2));
    EXPECT_EQ(calcule_prélèvement(b, u(-50), u(400)), u(0));
    b.solde_mini = u(-100);
    EXPECT_EQ(calcule_prélèvement(b, u(-50), u(400)), u(2));
}

TEST_F(prélèvement, rien_quand_le_prélèvement_est_coupé)
{
    barème_prélèvement b = barème_des_paramètres();
    b.sans_prélèvement = true;
    EXPECT_EQ(calcule_prélèvement(b, u(100), u(1000)), u(0));
}

TEST_F(prélèvement, calcul_exact_sans_plafond_de_16_bits)
{
    // Cases that binary floating point rounds down to one unit less.
    barème_prélèvement b{monnaie::depuis_brut(5700), u(0), u(0), u(100000000), false};  // 0,57 %
    EXPECT_EQ(calcule_prélèvement(b, u(1), u(10000)), u(57));
    b.taux = monnaie::depuis_brut(23000);  // 2,3 %
    EXPECT_EQ(calcule_prélèvement(b, u(1), u(3000)), u(69));
    b.taux = u(10);
    EXPECT_EQ(calcule_prélèvement(b, u(1), u(10000000)), u(1000000));
    b.taux = u(-5);
    EXPECT_EQ(calcule_prélèvement(b, u(1), u(1000)), u(0));
}

TEST_F(prélèvement, lecture_des_champs)
{
    champs_prélèvement c{"0,5", "", "50", "1000.5", false, 9995};
    auto b = lit_barème(c);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->taux, monnaie::depuis_brut(5000));
    EXPECT_EQ(b->solde_mini, u(0));
    EXPECT_EQ(b->montant_mini, u(50));
    EXPECT_EQ(b->montant_maxi, monnaie::depuis_brut(10005000));
    EXPECT_TRUE(boîtes.messages.empty());

    c.montant_mini = QStringLiteral("5O");
    EXPECT_FALSE(lit_barème(c));
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Le montant minimum du prélèvement « 5O » n'est pas un nombre."));

    EXPECT_EQ(lit_montant_saisi(QStringLiteral(" 12,5 ")), monnaie::depuis_brut(125000));
    EXPECT_EQ(lit_montant_saisi(QStringLiteral("12.5")), monnaie::depuis_brut(125000));
    EXPECT_EQ(lit_montant_saisi(QString(), u(1)), u(1));
    EXPECT_FALSE(lit_montant_saisi(QStringLiteral("12 grs")));
}

}  // namespace
