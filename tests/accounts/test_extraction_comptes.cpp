// What the period frame decides before a statement is extracted, the
// statement of a period, and the printing of the window's grid.
#include "accounts/enregistrement.h"
#include "accounts/extraction_comptes.h"
#include "accounts/grilles_comptes.h"
#include "support/dossier_test.h"
#include "support/impression_qt.h"
#include "ui_common/surface_enregistree.h"

namespace {

class extraction_comptes : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        for (const int numéro : {12, 7, 3}) {
            données.table_adhérents[++données.nombre_adhérents].ordre = static_cast<int16>(numéro);
            données.table_adhérents[numéro].identifiant = QStringLiteral("membre %1").arg(numéro);
        }
    }

    static void échange(int débité, int crédité, const QDate& jour, const QString& description)
    {
        saisie_échange s;
        s.débité = débité;
        s.crédité = crédité;
        s.montant = QStringLiteral("10");
        s.date_opération = date_depuis(jour);
        s.description = description;
        s.prélèvement.sans_prélèvement = true;
        ASSERT_TRUE(enregistre_échange(s));
    }
};

TEST_F(extraction_comptes, relevé_d_une_période)
{
    // Recorded out of date order: the statement follows the recording, newest first.
    échange(12, 7, QDate(2026, 2, 10), QStringLiteral("février 1"));
    échange(7, 12, QDate(2026, 1, 31), QStringLiteral("janvier"));
    échange(3, 12, QDate(2026, 2, 28), QStringLiteral("février 2"));
    échange(12, 3, QDate(2026, 3, 1), QStringLiteral("mars"));
    échange(7, 3, QDate(2026, 2, 15), QStringLiteral("sans 12"));

    const champs_période mois = période_du_mois(2, QStringLiteral("2026"), {});
    const std::optional<période> p =
        période_saisie(mois.jour_début, mois.mois_début, QStringLiteral("2026"), mois.jour_fin, mois.mois_fin,
                       QStringLiteral("2026"));
    ASSERT_TRUE(p);
    grille g;
    remplit_relevé_compte(g, 0, 12, mode_période, p->début, p->fin, false, -1);
    ASSERT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(1, 2), "février 2");
    EXPECT_EQ(g.TextMatrix(2, 2), "février 1");
    EXPECT_TRUE(boîtes.messages.empty());
}

TEST_F(extraction_comptes, n_dernières_donne_n_lignes_et_toutes_les_donne_toutes)
{
    for (int i = 0; i < 30; ++i)
        échange(12, 7, QDate(2026, 1, 1).addDays(i), QStringLiteral("n° %1").arg(i + 1));
    grille g;
    for (int position = 1; position <= 5; ++position) {
        SCOPED_TRACE(position);
        remplit_relevé_compte(g, limite_dernières(position), 12, mode_dernières, 0, 0, false, -1);
        EXPECT_EQ(g.Rows() - 1, 5 * position);
        EXPECT_EQ(g.TextMatrix(1, 2), "n° 30");
    }
    EXPECT_EQ(limite_dernières(0), 0);
    remplit_relevé_compte(g, limite_dernières(0), 12, mode_dernières, 0, 0, false, -1);
    EXPECT_EQ(g.Rows() - 1, 30);
    EXPECT_EQ(g.TextMatrix(30, 2), "n° 1");
}

TEST_F(extraction_comptes, dates_de_la_période)
{
    const std::array<int, 13> jours_2026 = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const champs_période février = période_du_mois(2, QStringLiteral("2026"), jours_2026);
    EXPECT_EQ(février.jour_début, "01");
    EXPECT_EQ(février.mois_début, "02");
    EXPECT_EQ(février.jour_fin, "28");
    EXPECT_EQ(février.mois_fin, "02");
    // February of the typed year, not of the year the window opened in.
    EXPECT_EQ(période_du_mois(2, QStringLiteral("2024"), jours_2026).jour_fin, "29");
    EXPECT_EQ(période_du_mois(2, QString(), jours_2026).jour_fin, "28");
    EXPECT_EQ(période_du_mois(12, QStringLiteral("2026"), jours_2026).jour_fin, "31");

    // The start date is checked first; only the first refused one is told.
    EXPECT_FALSE(période_saisie("31", "04", "2026", "40", "04", "2026"));
    EXPECT_FALSE(période_saisie("01", "04", "2026", "1", "13", "2026"));
    EXPECT_EQ(boîtes.textes(),
              (QStringList{"Le 31/04/2026 n'est pas une date correcte ou dans les limites des dates possibles",
                           "Le 1/13/2026 n'est pas une date correcte ou dans les limites des dates possibles"}));
    const std::optional<période> p = période_saisie("1", "4", "2026", "30", "04", "2026");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->début, date_depuis(QDate(2026, 4, 1)));
    EXPECT_EQ(p->fin, date_depuis(QDate(2026, 4, 30)));
}

TEST_F(extraction_comptes, impression_de_la_grille)
{
    échange(12, 7, QDate(2026, 2, 10), QStringLiteral("Cours de guitare"));
    grille g;
    remplit_relevé_compte(g, 0, 12, mode_dernières, 0, 0, false, -1);
    surface_enregistrée papier;
    EXPECT_EQ(titre_date_du_jour(), "samedi 14 mars 2026");
    imprime_écritures(papier, g, titre_date_du_jour());
    ASSERT_EQ(papier.documents().size(), 1u);  // the document is ended: it goes out
    QStringList textes;
    for (const page_dessinée& page : papier.documents().front())
        for (const élément_page& e : page)
            if (const auto* t = std::get_if<texte_posé>(&e))
                textes << t->texte;
    EXPECT_TRUE(textes.contains("samedi 14 mars 2026")) << textes.join('|').toStdString();
    EXPECT_TRUE(textes.contains("Cours de guitare")) << textes.join('|').toStdString();
}

}  // namespace
