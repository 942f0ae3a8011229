#include "statistics/tableaux.h"

#include "statistics/association_stats.h"
#include "support/dossier_test.h"
#include "ui_common/grille.h"

namespace {

// Each row of the grid, cells joined by "|".
QStringList lignes(const grille& g)
{
    QStringList r;
    for (int i = 0; i < g.Rows(); ++i) {
        QStringList cellules;
        for (int c = 0; c < g.Cols(); ++c)
            cellules << g.TextMatrix(i, c);
        r << cellules.join(QLatin1Char('|'));
    }
    return r;
}

class tableaux : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        remplit_association_stats();
    }
    grille gg;
};

}  // namespace

// ---------------------------------------------------------------- members

TEST_F(tableaux, adhérents_par_sexe_et_par_catégorie)
{
    état_statistiques é = sélection({1, 2, 3, 4});
    construit_tableau_adhérents(é, gg, 0, QStringLiteral("par sexe"));
    EXPECT_EQ(lignes(gg), QStringList({"critère|nombre", "masculin|75%", "féminin|25%"}));
    EXPECT_EQ(gg.FixedCols(), 1);
    EXPECT_EQ(é.titre_stat, "par sexe");

    construit_tableau_adhérents(é, gg, 1, QStringLiteral("enfant/adulte/autre sel"));
    EXPECT_EQ(lignes(gg), QStringList({"critère|nombre", "enfants|1", "adultes|2", "Autres sels|1"}));

    // Every value gets its row, named or not.
    construit_tableau_adhérents(é, gg, 2, QStringLiteral("Qualité"));
    ASSERT_EQ(gg.Rows(), 11);
    EXPECT_EQ(lignes(gg).mid(0, 4), QStringList({"critère|nombre", "q0|1", "q1|1", "q2|2"}));
    EXPECT_EQ(lignes(gg)[10], "q9|0");
}

TEST_F(tableaux, adhérents_croisés)
{
    // Two association accounts leave the list but still count in the
    // denominator of the shares of kind 6.
    état_statistiques é = sélection({1, 2, premier_compte_asso, 3, premier_compte_asso + 1, 4});
    construit_tableau_adhérents(é, gg, 6, QStringLiteral("c1 et sexe"));
    EXPECT_EQ(é.liste.size(), 4u);
    EXPECT_EQ(lignes(gg).mid(0, 3), QStringList({"critère|masculin|féminin", "c1-0|33%|17%", "c1-1|17%|0%"}));
    EXPECT_EQ(lignes(gg)[6], "|0%|0%");

    construit_tableau_adhérents(é, gg, 7, QStringLiteral("c1 et âge"));
    EXPECT_EQ(lignes(gg).mid(0, 4),
              QStringList({"critère|enfants|adultes|autres sels", "c1-0|1|1|1", "c1-1|0|1|0", "c1-2|0|0|0"}));

    construit_tableau_adhérents(é, gg, 8, QStringLiteral("c2 et sexe"));
    EXPECT_EQ(lignes(gg).mid(0, 3), QStringList({"critère|masculin|féminin", "c2-0|1|0", "c2-1|2|1"}));

    construit_tableau_adhérents(é, gg, 9, QStringLiteral("c2 et âge"));
    EXPECT_EQ(lignes(gg).mid(1, 2), QStringList({"c2-0|0|1|0", "c2-1|1|1|1"}));

    // A member listed twice counts twice.
    é = sélection({3, 3});
    construit_tableau_adhérents(é, gg, 1, QStringLiteral("x"));
    EXPECT_EQ(gg.TextMatrix(2, 1), "2");
}

TEST_F(tableaux, adhérents_sans_liste)
{
    état_statistiques é = sélection({});
    construit_tableau_adhérents(é, gg, 0, QStringLiteral("par sexe"));
    EXPECT_EQ(lignes(gg), QStringList({"critère|nombre", "masculin|0%", "féminin|0%"}));
    construit_tableau_adhérents(é, gg, 6, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg)[1], "c1-0||");
    construit_tableau_adhérents(é, gg, 7, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg)[1], "c1-0|0|0|0");

    // An entry beyond the members table leaves only its cells empty.
    é = sélection({1, 6000});
    construit_tableau_adhérents(é, gg, 1, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg), QStringList({"critère|nombre", "enfants|", "adultes|", "Autres sels|"}));
}

// ---------------------------------------------------------------- catalogue

TEST_F(tableaux, catalogue_par_rubrique_genre_et_type)
{
    état_statistiques é = sélection({1, 2, 3, 4});
    construit_tableau_catalogue(é, gg, 0, QStringLiteral("rubriques"));
    // 199 lies under no section; the unlisted member's offer counts nowhere.
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|2", "200|1", "300|1"}));
    EXPECT_EQ(é.titre_stat, "rubriques :toutes les lignes");

    construit_tableau_catalogue(é, gg, 1, QStringLiteral("genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|nombre", "produit|2", "savoir|1"}));

    construit_tableau_catalogue(é, gg, 4, QStringLiteral("rubriques et genres"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|produit|savoir|toutes", "100|1|0|2", "200|0|1|1", "300|0|0|1"}));

    construit_tableau_catalogue(é, gg, 5, QStringLiteral("rubriques et offres demandes"));
    EXPECT_EQ(lignes(gg)[0], "rubriques|offres|demandes|toutes");
    EXPECT_EQ(lignes(gg)[1], "100|1|1|2");

    construit_tableau_catalogue(é, gg, 2, QStringLiteral("offres / demandes"));
    EXPECT_EQ(lignes(gg), QStringList({"type|nombre", "offres|3", "demandes|2", "total|5"}));

    é.choix_offre_demande = 1;
    construit_tableau_catalogue(é, gg, 2, QStringLiteral("offres / demandes"));
    EXPECT_EQ(lignes(gg), QStringList({"type|nombre", "offres|3", "demandes|0", "total|3"}));
    EXPECT_EQ(é.titre_stat, "offres / demandes : les lignes offres");
}

TEST_F(tableaux, catalogue_enfants_adultes_et_liste_filtrée)
{
    état_statistiques é = sélection({1, 2, 3, 4});
    construit_tableau_catalogue(é, gg, 3, QStringLiteral("offres pour enfant / adulte"));
    // Both markers on one offer count twice; the rest is the whole table's.
    EXPECT_EQ(lignes(gg), QStringList({"age|nombre", "enfants|3", "adultes|2", "indifférenciées|1"}));

    é = sélection({1, premier_compte_asso, 3});
    é.choix_offre_demande = 2;
    construit_tableau_catalogue(é, gg, 3, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg), QStringList({"age|nombre", "enfants|0", "adultes|1", "indifférenciées|5"}));
    EXPECT_EQ(é.titre_stat, "x : les lignes demandes ** lignes filtrées **");
    EXPECT_EQ(é.liste.size(), 2u);

    // No section at all: the heading row alone.
    données.nombre_codes_classification = 0;
    construit_tableau_catalogue(é, gg, 4, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|produit|savoir|toutes"}));
}

// ---------------------------------------------------------------- exchanges

TEST_F(tableaux, échanges_en_parts)
{
    état_statistiques é = sélection({1, 2, 3, 4, premier_compte_asso});
    construit_tableau_échanges(é, gg, 0, QStringLiteral("Rubriques"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|40%", "200|20%", "300|20%"}));
    EXPECT_EQ(é.titre_stat, "Rubriques :du 00:00:00 au 14/03/2026");

    construit_tableau_échanges(é, gg, 1, QStringLiteral("Genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|", "produit|60%", "savoir|20%"}));

    construit_tableau_échanges(é, gg, 2, QStringLiteral("Enfants, adultes, autres sels"));
    EXPECT_EQ(lignes(gg), QStringList({"age|", "enfants|20%", "adultes|60%", "autres sels|20%", "total|100"}));

    // Bands strict at both ends: 99 and 500 fall outside the band they bound.
    construit_tableau_échanges(é, gg, 3, QStringLiteral("Volume"));
    EXPECT_EQ(gg.FixedCols(), 0);
    EXPECT_EQ(lignes(gg), QStringList({"x < 100|99 < x < 500|499 < x < 1000|x > 1000", "40%|20%|20%|20%"}));
    EXPECT_GT(gg.ColWidth(0), grille::largeur_défaut / 2);  // fitted
}

TEST_F(tableaux, échanges_comptés_par_mois)
{
    état_statistiques é = sélection({1, 2, 3, 4});
    construit_tableau_échanges(é, gg, 4, QStringLiteral("Volume et mois"));
    ASSERT_EQ(gg.Rows(), 14);
    EXPECT_EQ(lignes(gg).mid(0, 4), QStringList({"mois|", "JANV.|2", "FEV.|1", "MAR.|1"}));
    EXPECT_EQ(lignes(gg)[12], "DEC.|1");
    EXPECT_EQ(lignes(gg)[13], "Total|5");

    construit_tableau_échanges(é, gg, 5, QStringLiteral("nombre crédits/débits"));
    EXPECT_EQ(lignes(gg), QStringList({"débits|crédits|total", "3|2|5"}));

    construit_tableau_échanges(é, gg, 6, QStringLiteral("nombre crédits/débits par mois"));
    EXPECT_EQ(lignes(gg).mid(0, 4), QStringList({"mois|débits|crédits|total", "JANV.|1|1|2", "FEV.|1|0|1", "MAR.|0|1|1"}));
    EXPECT_EQ(lignes(gg)[5], "MAI.|0|0|0");
    EXPECT_EQ(gg.Rows(), 13);
}

TEST_F(tableaux, échanges_selon_les_dates)
{
    // Both ends of the range are in it.
    état_statistiques é = sélection({1, 2, 3});
    é.date_dep = QStringLiteral("01/01/26");
    é.date_fin = QStringLiteral("10/01/2026");
    construit_tableau_échanges(é, gg, 1, QStringLiteral("Genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|", "produit|100%", "savoir|0%"}));
    EXPECT_EQ(é.titre_stat, "Genre :du 01/01/26 au 10/01/2026 ** lignes filtrées **");

    // No line in range: shares read 0, category shares stay empty.
    é.date_fin = QStringLiteral("abc");
    construit_tableau_échanges(é, gg, 0, QStringLiteral("Rubriques"));
    EXPECT_EQ(lignes(gg)[1], "100|0");
    construit_tableau_échanges(é, gg, 2, QStringLiteral("x"));
    EXPECT_EQ(lignes(gg).mid(1), QStringList({"enfants|", "adultes|", "autres sels|", "total|0"}));

    // No line at all: every share empty.
    données.nombre_lignes_compte = 0;
    é.date_fin = QStringLiteral("14/03/2026");
    construit_tableau_échanges(é, gg, 3, QStringLiteral("Volume"));
    EXPECT_EQ(lignes(gg)[1], "|||");
}
