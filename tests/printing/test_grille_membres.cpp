#include "printing/grille_membres.h"

#include "printing/essai_impression.h"
#include "support/dossier_test.h"
#include "ui_common/export_grille.h"
#include "ui_common/grille.h"

namespace {

class grille_membres : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        ajoute_membre(4, QStringLiteral("  marie "), QStringLiteral("Marie Curie"), QStringLiteral("1 rue Pierre"),
                       QStringLiteral("75005"), QStringLiteral("Paris"), 3, QStringLiteral("01 11"));
        adhérent& a = données.table_adhérents[4];
        a.e_mail = QStringLiteral("marie@exemple.fr");
        a.date_adhésion = date_depuis(QDate(2024, 9, 1));
        a.qualité = 2;
        a.critère1 = 1;
        a.der_solde = monnaie::depuis_brut(125000);  // 12,5
        a.volume = monnaie::unités(-300);
        a.crédits = 7;
        données.valeurs_qualité[2] = QStringLiteral(" bénévole ");
        données.valeurs_critère1[1] = QStringLiteral("Centre");
        données.titre_critère1 = QStringLiteral("Quartier");
        ajoute_membre(9, QStringLiteral("paul"), QStringLiteral("Paul"));
    }
    grille g;
};

}  // namespace

TEST_F(grille_membres, une_colonne_par_choix_une_ligne_par_membre)
{
    const int mél = compose_grille(g, {9, 4}, {0, 1, 7, 4, 6, 13, 15, 17, 20});
    EXPECT_EQ(mél, -1);
    ASSERT_EQ(g.Rows(), 3);
    ASSERT_EQ(g.Cols(), 9);
    EXPECT_EQ(g.TextMatrix(0, 6), QStringLiteral("Quartier"));
    EXPECT_EQ(g.TextMatrix(0, 2), QStringLiteral("Civil."));
    const QStringList marie = {"4", "marie", "3", "01/09/2024", "", "bénévole", "Centre", "12,5", "-300"};
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(g.TextMatrix(2, c), marie[c]) << c;
    EXPECT_EQ(g.TextMatrix(1, 0), QStringLiteral("9"));
    // Every column fitted to its texts.
    for (int c = 0; c < 9; ++c)
        EXPECT_GT(g.ColWidth(c), 0);
}

TEST_F(grille_membres, un_indice_hors_de_sa_liste_se_montre_vide)
{
    adhérent& a = données.table_adhérents[4];
    a.qualité = 10;
    a.critère0 = -1;
    a.critère1 = 12;
    a.critère2 = 32767;
    a.civilité = -4;
    compose_grille(g, {4}, {13, 14, 15, 16, 7, 21, -1});
    ASSERT_EQ(g.Rows(), 2);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(g.TextMatrix(1, c), QString()) << c;
    EXPECT_EQ(g.TextMatrix(1, 4), QStringLiteral("-4"));  // the civility column shows the code itself
    EXPECT_EQ(g.TextMatrix(0, 5), QString());             // no such column choice
    EXPECT_EQ(g.TextMatrix(1, 6), QString());
}

TEST_F(grille_membres, liste_vide_et_reconstruction)
{
    compose_grille(g, {4, 9}, {8, 9, 10});
    compose_grille(g, {}, {1});
    EXPECT_EQ(g.Rows(), 1);
    EXPECT_EQ(g.Cols(), 1);
    EXPECT_EQ(g.TextMatrix(0, 0), QStringLiteral("Identifiant"));
}

TEST_F(grille_membres, la_colonne_mél_devient_un_lien_en_html)
{
    const int mél = compose_grille(g, {4, 9}, {1, choix_mél});
    EXPECT_EQ(mél, 1);
    const QString page = grille_en_html(g, QStringLiteral("Adhérents"), 0, 0, {}, {}, mél);
    EXPECT_TRUE(page.contains(QStringLiteral("mailto:marie@exemple.fr")));
    EXPECT_EQ(page.count(QStringLiteral("mailto:")), 2);  // the data rows, not the titles
    EXPECT_EQ(compose_grille(g, {4}, {choix_mél, 0, choix_mél}), 2);
}
