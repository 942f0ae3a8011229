#include "statistics/graphique.h"

#include "support/impression_qt.h"
#include "ui_common/grille.h"

#include <QAbstractSeries>
#include <QAreaSeries>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QDir>
#include <QFontMetricsF>
#include <QPieSeries>
#include <QPieSlice>
#include <QRegularExpression>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>
#include <set>

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
    EXPECT_EQ(d.catégories, QStringList({"1", "2"}));
    // A single row there needs no name: "1" would say nothing.
    g.setRows(2);
    EXPECT_EQ(prépare_graphique(g, QString(), true).catégories, QStringList{""});

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

namespace {

// Every text the chart shows once laid out: title, legend and axis labels.
// The chart is deleted.
QStringList textes_montrés(QChart* c, QSize taille = QSize(640, 400))
{
    QChartView vue(c);
    vue.resize(taille);
    vue.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QStringList textes;
    for (QGraphicsItem* i : vue.scene()->items())
        if (auto* t = dynamic_cast<QGraphicsTextItem*>(i))
            if (t->isVisible())
                textes << t->toPlainText();
    vue.setChart(new QChart);
    delete c;
    return textes;
}

}  // namespace

TEST(graphique, les_libellés_s_affichent_tels_qu_écrits)
{
    // The amount bands: four value columns, one row.
    grille g;
    g.setCols(4);
    g.setFixedCols(0);
    g.setRows(2);
    const QStringList bandes = {"0 < x < 100", "100 <= x < 500", "500 <= x < 1000", "x >= 1000"};
    for (int c = 0; c < 4; ++c) {
        g.setTextMatrix(0, c, bandes[c]);
        g.setTextMatrix(1, c, "25%");
    }
    for (const int type : {types_graphique::barres, types_graphique::lignes, types_graphique::secteurs}) {
        auto* c = new QChart;
        c->setAnimationOptions(QChart::NoAnimation);
        // A pie names its slices: the bands are its categories.
        remplit_graphique(*c, prépare_graphique(g, "Volume :du <01/01/26> & après", type != types_graphique::secteurs),
                          type);
        const QStringList vus = textes_montrés(c);
        for (const QString& b : bandes)
            EXPECT_TRUE(vus.contains(b)) << type << " " << b.toStdString() << " in " << vus.join('|').toStdString();
        EXPECT_TRUE(vus.contains("Volume :du <01/01/26> & après")) << type;
    }
}

TEST(graphique, un_seul_trimestre_se_voit)
{
    // The history with one quarter, drawn in lines one series per statistic.
    grille g;
    g.setCols(3);
    g.setFixedCols(1);
    g.setRows(2);
    const char* textes[2][3] = {{"Trimestres", "nbr_opérations", "Volume"}, {" 2026- 1°trim", "12", "340"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            g.setTextMatrix(r, c, QString::fromUtf8(textes[r][c]));
    for (const int type : {types_graphique::lignes_3d, types_graphique::lignes, types_graphique::aires}) {
        QChart c;
        remplit_graphique(c, prépare_graphique(g, "Evolution des échanges", true), type);
        ASSERT_EQ(c.series().size(), 2) << type;
        for (QAbstractSeries* s : c.series()) {
            const auto* ligne = qobject_cast<QLineSeries*>(s);
            const auto* aire = qobject_cast<QAreaSeries*>(s);
            ASSERT_TRUE(ligne || aire) << type;
            if (ligne) {
                EXPECT_TRUE(ligne->pointsVisible()) << type;
            } else {
                // An area covers its category rather than standing as a bare line.
                const QLineSeries* haut = aire->upperSeries();
                EXPECT_EQ(haut->at(haut->count() - 1).x() - haut->at(0).x(), 1);
            }
        }
    }
    // With two quarters and more the lines show alone.
    g.setRows(3);
    g.setTextMatrix(2, 1, "5");
    QChart c;
    remplit_graphique(c, prépare_graphique(g, QString(), true), types_graphique::lignes);
    EXPECT_FALSE(qobject_cast<QLineSeries*>(c.series()[0])->pointsVisible());
}

namespace {

// A table of n rows labelled "Rubrique 1".. charted by rows, in a chart view
// of the given size, shown and laid out.
struct graphique_montré {
    QChartView vue;
    QChart* chart = new QChart;
    QAbstractAxis* axe = nullptr;
    graphique_montré(int n, int type, QSize taille)
    {
        données_graphique d;
        d.titre = QStringLiteral("Rubriques :jusqu'au 09/12/2026");
        d.séries = {QStringLiteral("nombre")};
        d.valeurs.resize(1);
        for (int k = 1; k <= n; ++k) {
            d.catégories << QStringLiteral("Rubrique %1").arg(k);
            d.valeurs[0].push_back(k % 7);
        }
        chart->setAnimationOptions(QChart::NoAnimation);
        remplit_graphique(*chart, d, type);
        vue.setChart(chart);
        vue.resize(taille);
        vue.show();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        for (QAbstractAxis* a : chart->axes())
            if (a->orientation() == Qt::Horizontal)
                axe = a;
    }
    QStringList montrés() const
    {
        QStringList l;
        if (auto* b = qobject_cast<QBarCategoryAxis*>(axe))
            l = b->categories();
        else if (auto* c = qobject_cast<QCategoryAxis*>(axe))
            l = c->categoriesLabels();
        l.erase(std::remove_if(l.begin(), l.end(), [](const QString& t) { return t.trimmed().remove(QChar(0x200B)).isEmpty(); }),
                l.end());
        return l;
    }
};

}  // namespace

TEST(graphique, libellés_des_catégories_lisibles_quel_que_soit_leur_nombre)
{
    EXPECT_EQ(pas_libellés(50, 400, 10), 2);
    EXPECT_EQ(pas_libellés(40, 400, 10), 1);
    EXPECT_EQ(pas_libellés(41, 400, 10), 2);
    EXPECT_EQ(pas_libellés(50, 5, 10), 50) << "no room: the first label alone";
    EXPECT_EQ(pas_libellés(1, 0, 10), 1);

    const QString sortie = QCoreApplication::applicationDirPath() + QStringLiteral("/captures");
    QDir().mkpath(sortie);
    for (const int type : {types_graphique::barres, types_graphique::lignes}) {
        SCOPED_TRACE(type);
        // Fifty sections in the statistics window's chart: standing, one in
        // every few, the first always, each with twice its thickness of room
        // (less, the chart cuts a standing label down to "...").
        graphique_montré g(50, type, QSize(476, 300));
        ASSERT_TRUE(g.axe);
        EXPECT_EQ(g.axe->labelsAngle(), -90);
        const QStringList vus = g.montrés();
        const double épaisseur = QFontMetricsF(g.axe->labelsFont()).height();
        EXPECT_LT(vus.size(), 50);
        EXPECT_GT(vus.size(), 5);
        EXPECT_EQ(vus.value(0), "Rubrique 1");
        EXPECT_LE(vus.size() * 2 * épaisseur, g.chart->plotArea().width());
        g.vue.grab().save(QStringLiteral("%1/graphique_50_%2.png").arg(sortie).arg(type));

        // Wider, the chart shows more of them.
        g.vue.resize(1800, 400);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        EXPECT_GT(g.montrés().size(), vus.size());
        g.vue.grab().save(QStringLiteral("%1/graphique_50_large_%2.png").arg(sortie).arg(type));

        // A few short labels lie side by side, all shown.
        graphique_montré peu(4, type, QSize(476, 300));
        EXPECT_EQ(peu.axe->labelsAngle(), 0);
        EXPECT_EQ(peu.montrés().size(), 4);
        peu.vue.grab().save(QStringLiteral("%1/graphique_4_%2.png").arg(sortie).arg(type));
    }
}

namespace {

// Debits, credits and their total over the first n months.
données_graphique par_mois(int n, double échelle = 1)
{
    static const char* const mois[] = {"JANV.", "FEV.", "MAR.", "AVR.", "MAI.", "JUIN",
                                       "JUIL",  "AOU.", "SEP.", "OCT.", "NOV.", "DEC."};
    données_graphique d;
    d.titre = QStringLiteral("nombre crédits/débits par mois :jusqu'au 14/03/2026");
    d.séries = {QStringLiteral("débits"), QStringLiteral("crédits"), QStringLiteral("total")};
    d.valeurs.resize(3);
    for (int k = 0; k < n; ++k) {
        d.catégories << QString::fromLatin1(mois[k]);
        const double débits = (k * 7 % 11 + 3) * échelle, crédits = (k * 5 % 9 + 2) * échelle;
        d.valeurs[0].push_back(débits);
        d.valeurs[1].push_back(crédits);
        d.valeurs[2].push_back(débits + crédits);
    }
    return d;
}

// The colour of every series, or of every slice of the first pie.
std::vector<QRgb> couleurs(const QChart& c)
{
    std::vector<QRgb> r;
    for (QAbstractSeries* s : c.series()) {
        if (auto* barres = qobject_cast<QBarSeries*>(s))
            for (QBarSet* b : barres->barSets())
                r.push_back(b->color().rgb());
        else if (auto* aire = qobject_cast<QAreaSeries*>(s))
            r.push_back(aire->pen().color().rgb());
        else if (auto* points = qobject_cast<QXYSeries*>(s))
            r.push_back(points->color().rgb());
        else if (auto* pie = qobject_cast<QPieSeries*>(s); pie && s == c.series().front())
            for (QPieSlice* t : pie->slices())
                r.push_back(t->color().rgb());
    }
    return r;
}

}  // namespace

TEST(graphique, chaque_type_lisible_avec_une_deux_ou_douze_catégories)
{
    // A case that stops goes no further than itself.
    auto lisible = [](int n, int type) {
        SCOPED_TRACE(testing::Message() << "type " << type << ", " << n << " categories");
        const données_graphique d = par_mois(n);
        auto c = std::make_unique<QChart>();
        c->setAnimationOptions(QChart::NoAnimation);
        remplit_graphique(*c, d, type);
        const QList<QAbstractSeries*> s = c->series();
        // Every series drawn, and seen even alone in its category.
        QStringList noms = d.séries;
        switch (type) {
        case types_graphique::combiné:
        case types_graphique::combiné_3d:
            ASSERT_EQ(s.size(), 3);
            EXPECT_EQ(static_cast<QBarSeries*>(s[0])->count(), 1);
            for (int i = 1; i < 3; ++i)
                EXPECT_EQ(static_cast<QLineSeries*>(s[i])->pointsVisible(), n == 1);
            break;
        case types_graphique::aires:
        case types_graphique::aires_3d:
            ASSERT_EQ(s.size(), 3);
            for (QAbstractSeries* a : s) {
                const QLineSeries* haut = static_cast<QAreaSeries*>(a)->upperSeries();
                EXPECT_GT(haut->at(haut->count() - 1).x(), haut->at(0).x());
            }
            break;
        case types_graphique::secteurs:
            // One category: one pie whose slices are the series.
            ASSERT_EQ(s.size(), n == 1 ? 1 : 3);
            EXPECT_EQ(static_cast<QPieSeries*>(s[0])->count(), n == 1 ? 3 : n);
            if (n > 1)
                noms += d.catégories;
            break;
        case types_graphique::xy:
            ASSERT_EQ(s.size(), 2);
            noms = QStringList{"crédits selon débits", "total"};
            break;
        case types_graphique::barres:
        case types_graphique::barres_3d:
            ASSERT_EQ(s.size(), 1);
            EXPECT_EQ(static_cast<QBarSeries*>(s[0])->count(), 3);
            break;
        default:
            ASSERT_EQ(s.size(), 3);
            for (QAbstractSeries* l : s)
                EXPECT_EQ(static_cast<QLineSeries*>(l)->pointsVisible(), n == 1 && type <= types_graphique::lignes);
            break;
        }
        // Colours told apart, twelve months included.
        const std::vector<QRgb> teintes = couleurs(*c);
        EXPECT_EQ(std::set<QRgb>(teintes.begin(), teintes.end()).size(), teintes.size());
        // Every name in full in the statistics window's chart.
        const QStringList vus = textes_montrés(c.release(), QSize(340, 205));
        for (const QString& nom : noms)
            EXPECT_TRUE(vus.contains(nom)) << nom.toStdString() << " in " << vus.join('|').toStdString();
    };
    for (const int n : {1, 2, 12})
        for (const int type : codes_graphique)
            lisible(n, type);

    // Large figures in French, never as "1.5e+09": "2 000 000 000".
    const QRegularExpression milliards(QStringLiteral("^[1-9][0-9]{0,2}( [0-9]{3}){3}$"));
    for (const int type : {types_graphique::barres, types_graphique::lignes, types_graphique::xy}) {
        auto* c = new QChart;
        c->setAnimationOptions(QChart::NoAnimation);
        remplit_graphique(*c, par_mois(12, 100000000), type);
        QStringList vus = textes_montrés(c, QSize(340, 205));
        for (QString& t : vus)
            for (QChar& ch : t)
                if (ch.isSpace())
                    ch = QLatin1Char(' ');
        EXPECT_FALSE(vus.filter(milliards).isEmpty()) << type << ": " << vus.join('|').toStdString();
        EXPECT_FALSE(vus.join('|').contains("e+")) << type;
    }
}
