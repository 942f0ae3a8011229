#include "statistics/graphique.h"

#include "data/valeurs.h"
#include "ui_common/grille.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <set>

namespace {

// Axis labels must differ from one another; value names are often blank.
QStringList uniques(const QStringList& noms)
{
    QStringList r;
    std::set<QString> vus;
    for (QString n : noms) {
        if (n.trimmed().isEmpty())
            n = QStringLiteral(" ");
        while (vus.contains(n))
            n += QChar(0x200B);
        vus.insert(n);
        r << n;
    }
    return r;
}

QColor couleur_série(int i)
{
    static const QColor couleurs[] = {QColor(32, 159, 223), QColor(153, 202, 83), QColor(246, 166, 37),
                                      QColor(109, 95, 213), QColor(191, 89, 62),  QColor(0, 128, 128),
                                      QColor(230, 80, 150), QColor(120, 120, 120)};
    return couleurs[i % static_cast<int>(std::size(couleurs))];
}

struct étendue {
    double min = 0, max = 0;
};

étendue étendue_de(const données_graphique& d)
{
    étendue e;
    for (const auto& série : d.valeurs)
        for (const double v : série) {
            e.min = std::min(e.min, v);
            e.max = std::max(e.max, v);
        }
    if (e.max == e.min)
        e.max = e.min + 1;
    // Room above the highest point, which would stand on the frame.
    if (e.max > 0)
        e.max *= 1.05;
    return e;
}

QValueAxis* axe_valeurs(QChart& c, const données_graphique& d, Qt::Alignment côté)
{
    auto* axe = new QValueAxis;
    const étendue e = étendue_de(d);
    axe->setRange(e.min, e.max);
    axe->applyNiceNumbers();
    axe->setLabelFormat(QStringLiteral("%g"));
    c.addAxis(axe, côté);
    return axe;
}

// Every `pas`-th category named under its point (0, 1, 2...): a label has
// the room up to the next one.
void nomme_catégories(QCategoryAxis& axe, const QStringList& noms, int pas)
{
    for (const QString& l : axe.categoriesLabels())
        axe.remove(l);
    for (int k = 0; k < noms.size(); k += pas)
        axe.append(noms[k], k);
}

// Categories on 0, 1, 2..., for bars and points alike. Their labels stand up
// when they do not fit side by side, and only one in every few shows when,
// standing, they would still run into each other; measured again whenever
// the plot area changes (the window resized, the legend shown).
QCategoryAxis* axe_catégories(QChart& c, const données_graphique& d)
{
    auto* axe = new QCategoryAxis;
    axe->setStartValue(-0.5);
    const QStringList noms = uniques(d.catégories);
    const int n = static_cast<int>(noms.size());
    axe->setRange(-0.5, std::max(n, 1) - 0.5);
    axe->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axe->setGridLineVisible(false);
    axe->setLabelsAngle(n > 6 ? -90 : 0);
    nomme_catégories(*axe, noms, 1);
    c.addAxis(axe, Qt::AlignBottom);
    QObject::connect(&c, &QChart::plotAreaChanged, axe, [axe, noms, n](const QRectF& zone) {
        if (zone.width() <= 0 || n == 0)
            return;
        const QFontMetricsF m(axe->labelsFont());
        double plus_large = 0;
        for (const QString& t : noms)
            plus_large = std::max(plus_large, m.horizontalAdvance(t));
        const bool debout = n > 6 || plus_large > zone.width() / n;
        // A standing label with less than twice its thickness of room is
        // cut down to "..." by the chart.
        const int pas = debout ? pas_libellés(n, zone.width(), m.height() * 2) : 1;
        const int angle = debout ? -90 : 0;
        if (axe->property("pas").toInt() == pas && axe->labelsAngle() == angle)
            return;
        axe->setProperty("pas", pas);
        axe->setLabelsAngle(angle);
        nomme_catégories(*axe, noms, pas);
    });
    return axe;
}

void attache(QAbstractSeries* s, QAbstractAxis* x, QAbstractAxis* y)
{
    s->attachAxis(x);
    s->attachAxis(y);
}

QLineSeries* ligne(const données_graphique& d, std::size_t i, bool escalier)
{
    auto* s = new QLineSeries;
    s->setName(d.séries[static_cast<int>(i)]);
    for (std::size_t k = 0; k < d.valeurs[i].size(); ++k) {
        const double x = static_cast<double>(k), v = d.valeurs[i][k];
        if (escalier) {
            s->append(x - 0.5, v);
            s->append(x + 0.5, v);
        } else {
            s->append(x, v);
        }
    }
    s->setColor(couleur_série(static_cast<int>(i)));
    return s;
}

void barres(QChart& c, const données_graphique& d, std::size_t premières_barres)
{
    auto* série = new QBarSeries;
    for (std::size_t i = 0; i < premières_barres; ++i) {
        auto* b = new QBarSet(d.séries[static_cast<int>(i)]);
        for (const double v : d.valeurs[i])
            b->append(v);
        b->setColor(couleur_série(static_cast<int>(i)));
        série->append(b);
    }
    c.addSeries(série);
    QCategoryAxis* x = axe_catégories(c, d);
    QValueAxis* y = axe_valeurs(c, d, Qt::AlignLeft);
    attache(série, x, y);
    // A combination chart draws the other series as lines over the bars.
    for (std::size_t i = premières_barres; i < d.valeurs.size(); ++i) {
        QLineSeries* l = ligne(d, i, false);
        c.addSeries(l);
        attache(l, x, y);
    }
}

void points(QChart& c, const données_graphique& d, bool escalier, bool aires)
{
    QCategoryAxis* x = axe_catégories(c, d);
    QValueAxis* y = axe_valeurs(c, d, Qt::AlignLeft);
    // A single category is a single point, which a line alone never shows.
    const bool un_point = d.catégories.size() == 1 && !escalier;
    for (std::size_t i = 0; i < d.valeurs.size(); ++i) {
        QLineSeries* l = ligne(d, i, escalier);
        l->setPointsVisible(un_point);
        if (un_point)
            l->setMarkerSize(5);
        if (!aires) {
            c.addSeries(l);
            attache(l, x, y);
            continue;
        }
        auto* a = new QAreaSeries(l);
        a->setName(l->name());
        a->setPointsVisible(un_point);
        QColor fond = couleur_série(static_cast<int>(i));
        a->setPen(QPen(fond, 2));
        fond.setAlpha(110);
        a->setBrush(fond);
        c.addSeries(a);
        attache(a, x, y);
    }
}

// One pie per series, a slice per category.
void secteurs(QChart& c, const données_graphique& d)
{
    const int n = static_cast<int>(d.valeurs.size());
    for (int i = 0; i < n; ++i) {
        auto* pie = new QPieSeries;
        pie->setName(d.séries[i]);
        const std::vector<double>& valeurs = d.valeurs[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < valeurs.size(); ++k) {
            QPieSlice* t = pie->append(d.catégories[static_cast<int>(k)], std::max(0.0, valeurs[k]));
            t->setColor(couleur_série(static_cast<int>(k)));
        }
        pie->setHorizontalPosition((i + 0.5) / n);
        pie->setPieSize(std::min(0.8, 0.95 / n));
        c.addSeries(pie);
        // The slices are the same for every pie: one legend for all.
        if (i > 0)
            for (QLegendMarker* m : c.legend()->markers(pie))
                m->setVisible(false);
    }
}

// Series taken in pairs, x then y; an odd last one against 1, 2, 3...
void xy(QChart& c, const données_graphique& d)
{
    std::vector<QScatterSeries*> nuages;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    for (std::size_t i = 0; i < d.valeurs.size(); i += 2) {
        const bool paire = i + 1 < d.valeurs.size();
        auto* s = new QScatterSeries;
        s->setName(d.séries[static_cast<int>(paire ? i + 1 : i)]);
        s->setColor(couleur_série(static_cast<int>(i / 2)));
        s->setMarkerSize(9);
        for (std::size_t k = 0; k < d.valeurs[i].size(); ++k) {
            const double x = paire ? d.valeurs[i][k] : static_cast<double>(k + 1);
            const double y = paire ? d.valeurs[i + 1][k] : d.valeurs[i][k];
            s->append(x, y);
            xmin = std::min(xmin, x), xmax = std::max(xmax, x), ymin = std::min(ymin, y), ymax = std::max(ymax, y);
        }
        nuages.push_back(s);
        c.addSeries(s);
    }
    auto* ax = new QValueAxis;
    ax->setRange(xmin, xmax * 1.05);
    ax->applyNiceNumbers();
    ax->setLabelFormat(QStringLiteral("%g"));
    auto* ay = new QValueAxis;
    ay->setRange(ymin, ymax * 1.05);
    ay->applyNiceNumbers();
    ay->setLabelFormat(QStringLiteral("%g"));
    c.addAxis(ax, Qt::AlignBottom);
    c.addAxis(ay, Qt::AlignLeft);
    for (QScatterSeries* s : nuages)
        attache(s, ax, ay);
}

}  // namespace

données_graphique prépare_graphique(const grille& g, const QString& titre, bool inverse)
{
    données_graphique d;
    d.titre = titre;
    std::vector<int> colonnes;
    for (int c = g.FixedCols() >= 1 ? 1 : 0; c < g.Cols(); ++c)
        colonnes.push_back(c);
    const bool libellés = g.FixedCols() >= 1;
    const int lignes = g.Rows();

    QStringList noms_lignes, noms_colonnes;
    for (int r = 1; r < lignes; ++r)
        noms_lignes << (libellés ? g.TextMatrix(r, 0).trimmed() : QString::number(r));
    for (const int c : colonnes)
        noms_colonnes << g.TextMatrix(0, c).trimmed();

    if (inverse) {
        d.séries = noms_colonnes;
        d.catégories = noms_lignes;
        for (const int c : colonnes) {
            std::vector<double> série;
            for (int r = 1; r < lignes; ++r)
                série.push_back(Val(g.TextMatrix(r, c)));
            d.valeurs.push_back(std::move(série));
        }
    } else {
        d.séries = noms_lignes;
        d.catégories = noms_colonnes;
        for (int r = 1; r < lignes; ++r) {
            std::vector<double> série;
            for (const int c : colonnes)
                série.push_back(Val(g.TextMatrix(r, c)));
            d.valeurs.push_back(std::move(série));
        }
    }
    return d;
}

int pas_libellés(int nombre, double longueur, double épaisseur)
{
    if (nombre <= 1 || épaisseur <= 0)
        return 1;
    const int place = std::max(1, static_cast<int>(longueur / épaisseur));
    return std::max(1, (nombre + place - 1) / place);
}

void remplit_graphique(QChart& c, const données_graphique& données, int type)
{
    // The chart reads its title, legends and labels as markup: "x < 100"
    // would show as "x". They are handed over escaped, to show as written.
    données_graphique d = données;
    d.titre = d.titre.toHtmlEscaped();
    for (QStringList* textes : {&d.séries, &d.catégories})
        for (QString& t : *textes)
            t = t.toHtmlEscaped();
    c.setTitle(d.titre);
    QFont police = c.titleFont();
    police.setPointSizeF(8);
    police.setBold(true);
    c.setTitleFont(police);
    police.setBold(false);
    police.setPointSizeF(7);
    c.legend()->setFont(police);
    c.legend()->setAlignment(Qt::AlignBottom);
    if (d.valeurs.empty() || d.catégories.isEmpty()) {
        c.legend()->hide();
        return;
    }
    switch (type) {
    case types_graphique::lignes_3d:
    case types_graphique::lignes: points(c, d, false, false); break;
    case types_graphique::aires_3d:
    case types_graphique::aires: points(c, d, false, true); break;
    case types_graphique::escalier_3d:
    case types_graphique::escalier: points(c, d, true, false); break;
    case types_graphique::combiné_3d:
    case types_graphique::combiné: barres(c, d, 1); break;
    case types_graphique::secteurs: secteurs(c, d); break;
    case types_graphique::xy: xy(c, d); break;
    default: barres(c, d, d.valeurs.size()); break;
    }
    // The chart is small: small labels.
    for (QAbstractAxis* axe : c.axes())
        axe->setLabelsFont(police);
    // One series needs no legend: the title names it.
    c.legend()->setVisible(type == types_graphique::secteurs || d.valeurs.size() > 1);
}
