#include "statistics/graphique.h"

#include "support/impression_qt.h"
#include "ui_common/grille.h"

#include <QAbstractSeries>
#include <QBarSeries>
#include <QChart>
#include <QPieSeries>
#include <QPieSlice>
#include <gtest/gtest.h>

namespace {

// months | debits | credits, with a labels column.
void table_à_libellés(grille& g)
{
    g.setCols(3);
    g.setFixedCols(1);
    g.setRows(3);
    const char* textes[3][3] = {{"mois", "débits", "crédits"}, {"JANV.", "45%", "12,5"}, {"FEV.", " 1 234", "mot"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g.setTextMatrix(r, c, QString::fromUtf8(textes[r][c]));
}

}  // namespace

TEST(graphique, séries_selon_l_orientation)
{
    grille g;
    table_à_libellés(g);

    // Inverted (the opening state): a series per value column.
    données_graphique d = prépare_graphique(g, QStringLiteral("titre"), true);
    EXPECT_EQ(d.titre, "titre");
    EXPECT_EQ(d.séries, QStringList({"débits", "crédits"}));
    EXPECT_EQ(d.catégories, QStringList({"JANV.", "FEV."}));
    EXPECT_EQ(d.valeurs, (std::vector<std::vector<double>>{{45, 1234}, {12, 0}}));

    // Otherwise a series per row.
    d = prépare_graphique(g, QString(), false);
    EXPECT_EQ(d.séries, QStringList({"JANV.", "FEV."}));
    EXPECT_EQ(d.catégories, QStringList({"débits", "crédits"}));
    EXPECT_EQ(d.valeurs, (std::vector<std::vector<double>>{{45, 12}, {1234, 0}}));

    // Without a labels column, column 0 is charted too.
    g.setFixedCols(0);
    d = prépare_graphique(g, QString(), true);
    EXPECT_EQ(d.séries.size(), 3);
    EXPECT_EQ(d.valeurs[0], (std::vector<double>{0, 0}));

    // The header row alone: nothing to chart, and nothing breaks.
    g.setRows(1);
    d = prépare_graphique(g, QString(), true);
    EXPECT_TRUE(d.catégories.isEmpty());
    QChart vide;
    remplit_graphique(vide, d, types_graphique::barres);
    EXPECT_TRUE(vide.series().isEmpty());
}

TEST(graphique, chaque_type_dessine_ses_séries)
{
    grille g;
    table_à_libellés(g);
    const données_graphique d = prépare_graphique(g, QStringLiteral("t"), true);
    for (const int type : codes_graphique) {
        QChart c;
        remplit_graphique(c, d, type);
        EXPECT_EQ(c.title(), "t");
        const QList<QAbstractSeries*> s = c.series();
        switch (type) {
        case types_graphique::barres:
        case types_graphique::barres_3d:
            ASSERT_EQ(s.size(), 1) << type;
            EXPECT_EQ(static_cast<QBarSeries*>(s[0])->count(), 2);
            break;
        case types_graphique::combiné:
        case types_graphique::combiné_3d:
            ASSERT_EQ(s.size(), 2) << type;
            EXPECT_EQ(s[0]->type(), QAbstractSeries::SeriesTypeBar);
            EXPECT_EQ(s[1]->type(), QAbstractSeries::SeriesTypeLine);
            break;
        case types_graphique::secteurs:
            // A pie per series, a slice per category.
            ASSERT_EQ(s.size(), 2);
            EXPECT_EQ(static_cast<QPieSeries*>(s[0])->count(), 2);
            EXPECT_EQ(static_cast<QPieSeries*>(s[0])->slices()[1]->label(), "FEV.");
            break;
        case types_graphique::xy: ASSERT_EQ(s.size(), 1); break;
        default: EXPECT_EQ(s.size(), 2) << type; break;
        }
    }
}
