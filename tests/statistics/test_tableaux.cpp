#include "statistics/tableaux.h"

#include "statistics/association_stats.h"
#include "support/dossier_test.h"
#include "ui_common/grille.h"

#include <limits>

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
    // Two association accounts leave the list and the denominator of the
    // shares of kind 6: the four members counted make 100%.
    état_statistiques é = sélection({1, 2, premier_compte_asso, 3, premier_compte_asso + 1, 4});
    construit_tableau_adhérents(é, gg, 6, QStringLiteral("c1 et sexe"));
    EXPECT_EQ(é.liste.size(), 4u);
    EXPECT_EQ(lignes(gg).mid(0, 3), QStringList({"critère|masculin|féminin", "c1-0|50%|25%", "c1-1|25%|0%"}));
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

TEST_F(tableaux, un_indice_hors_de_sa_liste_ne_compte_nulle_part)
{
    // Member 1 with every index out of its list: counted in no row.
    adhérent& a = données.table_adhérents[1];
    a.sexe = 7, a.catégorie = -1, a.qualité = 10, a.critère0 = -3, a.critère1 = 12, a.critère2 = 32767;
    état_statistiques é = sélection({1});
    for (int type = 0; type < 10; ++type) {
        construit_tableau_adhérents(é, gg, type, QStringLiteral("x"));
        for (int r = 1; r < gg.Rows(); ++r)
            for (int c = 1; c < gg.Cols(); ++c)
                EXPECT_EQ(Val(gg.TextMatrix(r, c)), 0) << type << " " << r << " " << c;
    }
    // Account lines and propositions of genres beyond the five: in no genre row.
    for (int i = 1; i <= données.nombre_lignes_compte; ++i)
        données.table_lignes_compte[i].genre = static_cast<int16>(i % 2 ? 9 : -1);
    é = sélection({1, 2, 3, 4});
    construit_tableau_échanges(é, gg, 1, QStringLiteral("Genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|", "produit|0%", "savoir|0%"}));
    for (int i = 1; i <= données.nombre_propositions; ++i)
        données.table_propositions[données.table_propositions[i].ordre].genre = 5;
    construit_tableau_catalogue(é, gg, 1, QStringLiteral("genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|nombre", "produit|0", "savoir|0"}));
}

// ---------------------------------------------------------------- catalogue

TEST_F(tableaux, catalogue_par_rubrique_genre_et_type)
{
    état_statistiques é = sélection({1, 2, 3, 4});
    construit_tableau_catalogue(é, gg, 0, QStringLiteral("rubriques"));
    // 199 lies under section 100; the unlisted member's offer counts nowhere.
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|3", "200|1", "300|1"}));
    EXPECT_EQ(é.titre_stat, "rubriques :toutes les lignes");

    construit_tableau_catalogue(é, gg, 1, QStringLiteral("genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|nombre", "produit|2", "savoir|1"}));

    construit_tableau_catalogue(é, gg, 4, QStringLiteral("rubriques et genres"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|produit|savoir|toutes", "100|2|0|3", "200|0|1|1", "300|0|0|1"}));

    construit_tableau_catalogue(é, gg, 5, QStringLiteral("rubriques et offres demandes"));
    EXPECT_EQ(lignes(gg)[0], "rubriques|offres|demandes|toutes");
    EXPECT_EQ(lignes(gg)[1], "100|2|1|3");

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
    // Both markers on one offer count twice; the offer without a marker is
    // the one left undifferentiated.
    EXPECT_EQ(lignes(gg), QStringList({"age|nombre", "enfants|3", "adultes|2", "indifférenciées|1"}));

    é = sélection({1, premier_compte_asso, 3});
    é.choix_offre_demande = 2;
    construit_tableau_catalogue(é, gg, 3, QStringLiteral("x"));
    // Only the selected requests: the one of member 3 carries a marker.
    EXPECT_EQ(lignes(gg), QStringList({"age|nombre", "enfants|0", "adultes|1", "indifférenciées|0"}));
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
    // The line coded 199 is one of section 100's.
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|60%", "200|20%", "300|20%"}));
    EXPECT_EQ(é.titre_stat, "Rubriques :jusqu'au 14/03/2026");

    construit_tableau_échanges(é, gg, 1, QStringLiteral("Genre"));
    EXPECT_EQ(lignes(gg), QStringList({"genres|", "produit|60%", "savoir|20%"}));

    construit_tableau_échanges(é, gg, 2, QStringLiteral("Enfants, adultes, autres sels"));
    EXPECT_EQ(lignes(gg), QStringList({"age|", "enfants|20%", "adultes|60%", "autres sels|20%", "total|100"}));

    // Each band from its lower bound included to its upper bound excluded.
    construit_tableau_échanges(é, gg, 3, QStringLiteral("Volume"));
    EXPECT_EQ(gg.FixedCols(), 0);
    EXPECT_EQ(lignes(gg), QStringList({"0 < x < 100|100 <= x < 500|500 <= x < 1000|x >= 1000", "40%|20%|20%|20%"}));
    EXPECT_GT(gg.ColWidth(0), grille::largeur_défaut / 2);  // fitted
}

TEST(titre_période, une_borne_à_la_date_zéro_ne_se_lit_pas_comme_une_heure)
{
    EXPECT_EQ(titre_période("Genre", "01/01/26", "10/01/2026"), "Genre :du 01/01/26 au 10/01/2026");
    EXPECT_EQ(titre_période("Genre", "00:00:00", "10/01/2026"), "Genre :jusqu'au 10/01/2026");
    EXPECT_EQ(titre_période("Genre", "01/01/2026", "0:0"), "Genre :depuis le 01/01/2026");
    EXPECT_EQ(titre_période("Genre", "00:00:00", "00:00:00"), "Genre");
    // A time of day alone is a bound the count reads as one: it stays.
    EXPECT_EQ(titre_période("Genre", "12:00", "10/01/2026"), "Genre :du 12:00 au 10/01/2026");
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

// ---------------------------------------------------------------- codes and amounts at the bounds

class bornes : public essai_dossier {
protected:
    // Sections 100 and 200; one member; propositions and account lines coded
    // 100, 150, 199 and 200, and lines of 99, 99,5, 100, 500, 999,5, 1000 and
    // 1001 units.
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        données.table_adhérents[1].ordre = 1;
        données.nombre_adhérents = 1;
        données.codes_classification[1] = 10;
        données.codes_classification[2] = 15;
        données.codes_classification[3] = 20;
        données.nombre_codes_classification = 3;
        const int16 codes[] = {100, 150, 199, 200};
        for (int i = 1; i <= 4; ++i) {
            proposition& p = données.table_propositions[i];
            p.ordre = static_cast<int16>(i);
            p.type = 1;
            p.num_adh = 1;
            p.code_rubrique = codes[i - 1];
        }
        données.nombre_propositions = 4;
        const std::int64_t montants[] = {990000, 995000, 1000000, 5000000, 9995000, 10000000, 10010000};
        for (int i = 1; i <= 7; ++i) {
            ligne_de_compte& l = données.table_lignes_compte[i];
            l.dte_opé = l.dte_enr = date_depuis(QDate(2026, 3, 1));
            l.compte = 1;
            l.sens = QStringLiteral("1");
            l.montant = monnaie::depuis_brut(montants[i - 1]);
            l.code_rub = codes[(i - 1) % 4];
        }
        données.nombre_lignes_compte = 7;
    }
    grille gg;
};

TEST_F(bornes, un_code_en_99_reste_dans_sa_section)
{
    état_statistiques é = sélection({1});
    construit_tableau_catalogue(é, gg, 0, QStringLiteral("rubriques"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|3", "200|1"}));
    EXPECT_TRUE(sous_la_section(199, 100));
    EXPECT_FALSE(sous_la_section(200, 100));
    EXPECT_FALSE(sous_la_section(99, 100));

    // Lines coded 100, 150, 199, 200, 100, 150, 199: six of seven under 100.
    construit_tableau_échanges(é, gg, 0, QStringLiteral("Rubriques"));
    EXPECT_EQ(lignes(gg), QStringList({"rubriques|nombre", "100|86%", "200|14%"}));
}

TEST_F(bornes, chaque_montant_dans_une_seule_tranche)
{
    état_statistiques é = sélection({1});
    construit_tableau_échanges(é, gg, 3, QStringLiteral("Volume"));
    // 99 and 99,5 | 100 | 500 and 999,5 | 1000 and 1001.
    EXPECT_EQ(lignes(gg), QStringList({"0 < x < 100|100 <= x < 500|500 <= x < 1000|x >= 1000", "29%|14%|29%|29%"}));

    // Counted in units: every amount once, nothing at or below zero.
    données.table_lignes_compte[1].montant = monnaie::unités(0);
    données.table_lignes_compte[2].montant = monnaie::depuis_brut(1);
    é.incrémente_tl_ec();
    const monnaie cent = monnaie::unités(100);
    EXPECT_EQ(é.nbr_montant(monnaie::depuis_brut(1), cent), "14%");       // the smallest amount above 0
    EXPECT_EQ(é.nbr_montant(cent, monnaie::unités(500)), "14%");          // 100 itself
    EXPECT_EQ(é.nbr_montant(monnaie::unités(1000), monnaie::depuis_brut(std::numeric_limits<std::int64_t>::max())),
              "29%");
}
