#include "statistics/graphique.h"

#include "data/valeurs.h"
#include "ui_common/grille.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsRectItem>
#include <QGraphicsTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPieLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QScatterSeries>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
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

// Twelve colours told apart at a glance (the months of a year); past them,
// hues spread round the wheel.
QColor couleur_série(int i)
{
    static const QColor couleurs[] = {QColor(32, 159, 223), QColor(153, 202, 83), QColor(246, 166, 37),
                                      QColor(109, 95, 213), QColor(191, 89, 62),  QColor(0, 128, 128),
                                      QColor(230, 80, 150), QColor(120, 120, 120), QColor(0, 60, 140),
                                      QColor(240, 215, 0),  QColor(0, 100, 30),    QColor(100, 40, 20)};
    const int n = static_cast<int>(std::size(couleurs));
    if (i < n)
        return couleurs[i];
    return QColor::fromHsv(((i - n) * 137) % 360, 200, i % 2 ? 150 : 230);
}

const QLocale& français()
{
    static const QLocale l(QLocale::French, QLocale::France);
    return l;
}

// Whole numbers from 0 (or the lowest value below it) to a little above the
// highest, in at most `pas_max` steps of 1, 2 or 5 times a power of ten,
// written out in French ("1 500 000 000", never "1.5e+09").
void gradue(QValueAxis& axe, double min, double max, int pas_max)
{
    min = std::min(min, 0.0);
    // Room above the highest point, which would stand on the frame.
    max = std::max(max > 0 ? max * 1.05 : max, min + 1);
    double pas = 1;
    for (double puissance = 1; (max - min) / pas > pas_max; puissance *= 10)
        for (const double facteur : {1.0, 2.0, 5.0}) {
            pas = facteur * puissance;
            if ((max - min) / pas <= pas_max)
                break;
        }
    const double bas = std::floor(min / pas) * pas, haut = std::ceil(max / pas) * pas;
    axe.setRange(bas, haut);
    axe.setTickCount(static_cast<int>(std::lround((haut - bas) / pas)) + 1);
    axe.setMinorTickCount(0);
    axe.setLabelFormat(QStringLiteral("%.0f"));
}

// An axis of values with as many steps as its labels have room for, counted
// again whenever the plot area changes (the chart enlarged, the legend
// moved): the chart shortens labels that run into each other to "...".
QValueAxis* axe_valeurs(QChart& c, double min, double max, Qt::Alignment côté)
{
    auto* axe = new QValueAxis;
    gradue(*axe, min, max, 5);
    c.addAxis(axe, côté);
    QObject::connect(&c, &QChart::plotAreaChanged, axe, [axe, min, max](const QRectF& zone) {
        const QFontMetricsF m(axe->labelsFont());
        const bool debout = axe->orientation() == Qt::Vertical;
        double largeur = 0;
        for (const double v : {min * 1.05, max * 1.05})
            largeur = std::max(largeur, m.horizontalAdvance(français().toString(std::ceil(v), 'f', 0)));
        const double place = debout ? zone.height() : zone.width();
        const double taille = debout ? m.height() * 1.3 : largeur + m.height();
        const int pas_max = std::clamp(static_cast<int>(place / taille) - 1, 1, 8);
        if (axe->property("pas_max").toInt() == pas_max)
            return;
        axe->setProperty("pas_max", pas_max);
        gradue(*axe, min, max, pas_max);
    });
    return axe;
}

QValueAxis* axe_valeurs(QChart& c, const données_graphique& d)
{
    double min = 0, max = 0;
    for (const auto& série : d.valeurs)
        for (const double v : série) {
            min = std::min(min, v);
            max = std::max(max, v);
        }
    return axe_valeurs(c, min, max, Qt::AlignLeft);
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

// A series as a line; `largeur` spreads each value over its whole category
// (steps, and an area of one category, which would otherwise be a bare
// line). A single category without width is a single point, which a line
// alone never shows: it gets a marker.
QLineSeries* ligne(const données_graphique& d, std::size_t i, bool largeur)
{
    auto* s = new QLineSeries;
    s->setName(d.séries[static_cast<int>(i)]);
    for (std::size_t k = 0; k < d.valeurs[i].size(); ++k) {
        const double x = static_cast<double>(k), v = d.valeurs[i][k];
        if (largeur) {
            s->append(x - 0.5, v);
            s->append(x + 0.5, v);
        } else {
            s->append(x, v);
        }
    }
    const bool un_point = s->count() == 1;
    s->setPointsVisible(un_point);
    if (un_point)
        s->setMarkerSize(7);
    return s;
}

// The theme of the chart colours each series as it is added: the colours
// are set after.
void colore(QLineSeries& l, int i) { l.setColor(couleur_série(i)); }

void barres(QChart& c, const données_graphique& d, std::size_t premières_barres)
{
    auto* série = new QBarSeries;
    for (std::size_t i = 0; i < premières_barres; ++i) {
        auto* b = new QBarSet(d.séries[static_cast<int>(i)]);
        for (const double v : d.valeurs[i])
            b->append(v);
        série->append(b);
    }
    c.addSeries(série);
    for (int i = 0; i < série->count(); ++i)
        série->barSets()[i]->setColor(couleur_série(i));
    QCategoryAxis* x = axe_catégories(c, d);
    QValueAxis* y = axe_valeurs(c, d);
    attache(série, x, y);
    // A combination chart draws the other series as lines over the bars.
    for (std::size_t i = premières_barres; i < d.valeurs.size(); ++i) {
        QLineSeries* l = ligne(d, i, false);
        c.addSeries(l);
        colore(*l, static_cast<int>(i));
        attache(l, x, y);
    }
}

void points(QChart& c, const données_graphique& d, bool escalier, bool aires)
{
    QCategoryAxis* x = axe_catégories(c, d);
    QValueAxis* y = axe_valeurs(c, d);
    for (std::size_t i = 0; i < d.valeurs.size(); ++i) {
        QLineSeries* l = ligne(d, i, escalier || (aires && d.catégories.size() == 1));
        if (!aires) {
            c.addSeries(l);
            colore(*l, static_cast<int>(i));
            attache(l, x, y);
            continue;
        }
        auto* a = new QAreaSeries(l);
        a->setName(l->name());
        c.addSeries(a);
        QColor fond = couleur_série(static_cast<int>(i));
        a->setPen(QPen(fond, 2));
        fond.setAlpha(110);
        a->setBrush(fond);
        attache(a, x, y);
    }
}

données_graphique transposée(const données_graphique& d)
{
    données_graphique t;
    t.titre = d.titre;
    t.séries = d.catégories;
    t.catégories = d.séries;
    t.valeurs.assign(static_cast<std::size_t>(d.catégories.size()), std::vector<double>(d.valeurs.size()));
    for (std::size_t i = 0; i < d.valeurs.size(); ++i)
        for (std::size_t k = 0; k < d.valeurs[i].size() && k < t.valeurs.size(); ++k)
            t.valeurs[k][i] = d.valeurs[i][k];
    return t;
}

// One pie per series, a slice per category, the same colour for a category
// in every pie. A single category makes no pie: its series are the slices.
// Several pies are each named under their disc.
void secteurs(QChart& c, const données_graphique& données)
{
    const données_graphique d =
        données.catégories.size() == 1 && données.valeurs.size() > 1 ? transposée(données) : données;
    const int n = static_cast<int>(d.valeurs.size());
    std::vector<QGraphicsTextItem*> noms;
    for (int i = 0; i < n; ++i) {
        auto* pie = new QPieSeries;
        pie->setName(d.séries[i]);
        const std::vector<double>& valeurs = d.valeurs[static_cast<std::size_t>(i)];
        for (std::size_t k = 0; k < valeurs.size(); ++k)
            pie->append(d.catégories[static_cast<int>(k)], std::max(0.0, valeurs[k]));
        pie->setHorizontalPosition((i + 0.5) / n);
        pie->setVerticalPosition(n > 1 ? 0.45 : 0.5);
        pie->setPieSize(std::min(0.8, 0.95 / n));
        c.addSeries(pie);
        for (int k = 0; k < pie->count(); ++k)
            pie->slices()[k]->setColor(couleur_série(k));
        // The slices are the same for every pie: one legend for all.
        if (i > 0)
            for (QLegendMarker* m : c.legend()->markers(pie))
                m->setVisible(false);
        if (n > 1) {
            auto* nom = new QGraphicsTextItem(&c);
            nom->setHtml(d.séries[i]);
            nom->setFont(c.legend()->font());
            noms.push_back(nom);
        }
    }
    if (noms.empty())
        return;
    QObject::connect(&c, &QChart::plotAreaChanged, &c, [noms, n](const QRectF& zone) {
        const double rayon = std::min(zone.width(), zone.height()) / 2 * std::min(0.8, 0.95 / n);
        for (int i = 0; i < n; ++i) {
            QGraphicsTextItem* nom = noms[static_cast<std::size_t>(i)];
            const QRectF r = nom->boundingRect();
            nom->setPos(zone.left() + zone.width() * (i + 0.5) / n - r.width() / 2,
                        zone.top() + zone.height() * 0.45 + rayon + 2);
        }
    });
}

// Series taken in pairs, x then y; an odd last one against 1, 2, 3...
void xy(QChart& c, const données_graphique& d)
{
    std::vector<QScatterSeries*> nuages;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    for (std::size_t i = 0; i < d.valeurs.size(); i += 2) {
        const bool paire = i + 1 < d.valeurs.size();
        auto* s = new QScatterSeries;
        s->setName(paire ? d.séries[static_cast<int>(i + 1)] + QStringLiteral(" selon ") +
                               d.séries[static_cast<int>(i)]
                         : d.séries[static_cast<int>(i)]);
        s->setMarkerSize(9);
        for (std::size_t k = 0; k < d.valeurs[i].size(); ++k) {
            const double x = paire ? d.valeurs[i][k] : static_cast<double>(k + 1);
            const double y = paire ? d.valeurs[i + 1][k] : d.valeurs[i][k];
            s->append(x, y);
            xmin = std::min(xmin, x), xmax = std::max(xmax, x), ymin = std::min(ymin, y), ymax = std::max(ymax, y);
        }
        nuages.push_back(s);
        c.addSeries(s);
        s->setColor(couleur_série(static_cast<int>(i / 2)));
    }
    QValueAxis* ax = axe_valeurs(c, xmin, xmax, Qt::AlignBottom);
    QValueAxis* ay = axe_valeurs(c, ymin, ymax, Qt::AlignLeft);
    for (QScatterSeries* s : nuages)
        attache(s, ax, ay);
}

// A title too wide for the chart goes on two lines, the period under the
// table's name; looked at again whenever the plot area changes (the window
// resized, the chart enlarged).
void titre_à_la_largeur(QChart& c, const QString& titre_brut)
{
    const QString titre = titre_brut.toHtmlEscaped();
    const qsizetype coupure = titre.lastIndexOf(QLatin1String(" :"));
    if (coupure <= 0)
        return;
    QObject::connect(&c, &QChart::plotAreaChanged, &c, [&c, titre_brut, titre, coupure](const QRectF&) {
        const double largeur = c.size().width() - c.margins().left() - c.margins().right() - 20;
        const QString voulu = QFontMetricsF(c.titleFont()).horizontalAdvance(titre_brut) > largeur
                                  ? titre.left(coupure) + QStringLiteral("<br>") + titre.mid(coupure + 1)
                                  : titre;
        if (c.title() != voulu)
            c.setTitle(voulu);
    });
}

// The chart's own legend is one row, which cuts the names short. When they
// do not fit side by side, they are laid out under the plot in as many
// columns as the width holds, each in full, on at most two fifths of the
// chart's height: past that, the last places tell how many are left out.
void légende_en_colonnes(QChart& c)
{
    struct entrée {
        QGraphicsRectItem* carré;
        QGraphicsTextItem* nom;
    };
    auto texte = [&c](const QString& html) {
        auto* t = new QGraphicsTextItem(&c);
        t->document()->setDocumentMargin(0);
        t->setFont(c.legend()->font());
        t->setHtml(html);
        t->hide();
        return t;
    };
    std::vector<entrée> entrées;
    for (QLegendMarker* marque : c.legend()->markers()) {
        // Every pie has the same slices: the first one names them.
        if (qobject_cast<QPieSeries*>(marque->series()) && marque->series() != c.series().front())
            continue;
        // The markers take their names and colours later, when first drawn.
        QString nom = marque->series()->name();
        QColor couleur;
        if (auto* t = qobject_cast<QPieLegendMarker*>(marque))
            nom = t->slice()->label(), couleur = t->slice()->color();
        else if (auto* b = qobject_cast<QBarLegendMarker*>(marque))
            nom = b->barset()->label(), couleur = b->barset()->color();
        else if (const auto* a = qobject_cast<QAreaSeries*>(marque->series()))
            couleur = a->pen().color();
        else if (const auto* l = qobject_cast<QXYSeries*>(marque->series()))
            couleur = l->color();
        auto* carré = new QGraphicsRectItem(&c);
        carré->setBrush(couleur);
        carré->setPen(Qt::NoPen);
        carré->hide();
        entrées.push_back({carré, texte(nom)});
    }
    if (entrées.empty())
        return;
    QGraphicsTextItem* reste = texte(QString());
    const QMargins marges = c.margins();
    QObject::connect(&c, &QChart::plotAreaChanged, &c, [&c, marges, entrées, reste](const QRectF&) {
        const QFontMetricsF m(c.legend()->font());
        const double côté = m.height() * 0.7, ligne = m.height() * 1.3;
        double colonne = 0, rangée = 0;
        for (const entrée& e : entrées) {
            const double l = côté + 4 + e.nom->boundingRect().width() + m.height();
            colonne = std::max(colonne, l);
            rangée += l;
        }
        const double largeur = c.size().width() - marges.left() - marges.right() - 20;
        const int n = static_cast<int>(entrées.size());
        const bool en_colonnes = rangée > largeur;
        const int colonnes = std::clamp(static_cast<int>(largeur / colonne), 1, n);
        const int lignes = en_colonnes ? std::min((n + colonnes - 1) / colonnes,
                                                  std::max(1, static_cast<int>(c.size().height() * 0.4 / ligne)))
                                       : 0;
        // What is left out is told in the last places, as many as its words take.
        reste->setPlainText(QStringLiteral("et %1 autres").arg(n));
        const int places_reste = static_cast<int>(std::ceil((reste->boundingRect().width() + 4) / colonne));
        const int montrées = lignes * colonnes >= n ? n : std::max(0, lignes * colonnes - places_reste);
        QMargins voulues = marges;
        voulues.setBottom(marges.bottom() + static_cast<int>(std::ceil(lignes * ligne)));
        if (c.legend()->isVisible() == en_colonnes)
            c.legend()->setVisible(!en_colonnes);
        if (c.margins() != voulues)
            c.setMargins(voulues);

        const double gauche = (c.size().width() - colonnes * colonne) / 2;
        const double haut = c.size().height() - voulues.bottom() - 4;
        auto place = [&](int i) { return QPointF(gauche + (i % colonnes) * colonne, haut + (i / colonnes) * ligne); };
        for (int i = 0; i < n; ++i) {
            const entrée& e = entrées[static_cast<std::size_t>(i)];
            e.carré->setVisible(i < montrées);
            e.nom->setVisible(i < montrées);
            const QPointF p = place(i);
            e.carré->setRect(p.x(), p.y() + (ligne - côté) / 2, côté, côté);
            e.nom->setPos(p.x() + côté + 4, p.y() + (ligne - e.nom->boundingRect().height()) / 2);
        }
        reste->setVisible(en_colonnes && montrées < n);
        reste->setPlainText(QStringLiteral("et %1 autres").arg(n - montrées));
        reste->setPos(place(montrées) + QPointF(0, (ligne - reste->boundingRect().height()) / 2));
    });
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
    // Rows without labels go by their number; a single one needs no name.
    for (int r = 1; r < lignes; ++r)
        noms_lignes << (libellés ? g.TextMatrix(r, 0).trimmed() : lignes == 2 ? QString() : QString::number(r));
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
    // Numbers on the axes in French: "1 500 000".
    c.setLocalizeNumbers(true);
    c.setLocale(français());
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
    const bool légende = type == types_graphique::secteurs || d.valeurs.size() > 1;
    c.legend()->setVisible(légende);
    if (légende)
        légende_en_colonnes(c);
    titre_à_la_largeur(c, données.titre);
}
