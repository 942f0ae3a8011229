#include "ui_common/ajuste_grille.h"

#include "data/valeurs.h"
#include "ui_common/grille_vue.h"
#include "ui_common/sablier.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {

QFont sans_crénage(QFont f)
{
    f.setKerning(false);
    return f;
}

// Characters below this code get a table entry; the others are measured each time.
constexpr char16_t fin_table = 0x3000;

}  // namespace

mesureur_texte::mesureur_texte(const police_grille& p)
    : métrique_(sans_crénage(police_qt(p))), twips_par_pixel_(twips_par_pixel()), avances_(fin_table, -1.0)
{
}

double mesureur_texte::largeur(QStringView texte)
{
    double px = 0;
    for (const QChar c : texte) {
        if (c.isSurrogate())  // characters outside the basic plane: measure the text whole
            return métrique_.horizontalAdvance(texte.toString()) * twips_par_pixel_;
        if (c.unicode() >= fin_table) {
            px += métrique_.horizontalAdvance(c);
            continue;
        }
        double& a = avances_[c.unicode()];
        if (a < 0)
            a = métrique_.horizontalAdvance(c);
        px += a;
    }
    return px * twips_par_pixel_;
}

police_grille police_de_mesure(const grille& g)
{
    police_grille p = g.police();
    p.gras = true;
    p.italique = true;
    return p;
}

namespace {

// Width each column needs for the texts of rows début..fin - 1: the widest,
// leading and trailing blanks left out, plus one "W".
std::vector<double> largeurs_nécessaires(const grille& g, int début, int fin)
{
    mesureur_texte mesure(police_de_mesure(g));
    const double w = mesure.largeur(u"W");
    const QChar blanc = QLatin1Char(' ');
    // Row by row: the cells of a row lie together in memory.
    std::vector<double> plus_large(static_cast<std::size_t>(g.Cols()), 0.0);
    for (int r = début; r < fin; ++r) {
        for (int c = 0; c < g.Cols(); ++c) {
            const QStringView t = g.TextMatrix(r, c);
            qsizetype d = 0, f = t.size();
            while (d < f && t[d] == blanc)
                ++d;
            while (f > d && t[f - 1] == blanc)
                --f;
            if (f > d) {
                double& l = plus_large[static_cast<std::size_t>(c)];
                l = std::max(l, mesure.largeur(t.sliced(d, f - d)));
            }
        }
    }
    for (double& l : plus_large)
        l += w;
    return plus_large;
}

}  // namespace

void ajuste_grille(grille& g)
{
    redraw_suspendu pause(g);
    sablier s;
    const std::vector<double> largeurs = largeurs_nécessaires(g, 0, g.Rows());
    for (int c = 0; c < g.Cols(); ++c)
        g.setColWidth(c, CLng(largeurs[static_cast<std::size_t>(c)]));
}

void élargit_pour_la_ligne(grille& g, int ligne)
{
    const std::vector<double> largeurs = largeurs_nécessaires(g, ligne, ligne + 1);
    for (int c = 0; c < g.Cols(); ++c)
        if (g.ColWidth(c) < largeurs[static_cast<std::size_t>(c)])
            g.setColWidth(c, CLng(largeurs[static_cast<std::size_t>(c)]));
}

void élargit_grille(grille& g)
{
    std::vector<int> avant;
    avant.reserve(static_cast<std::size_t>(g.Cols()));
    for (int c = 0; c < g.Cols(); ++c)
        avant.push_back(g.ColWidth(c));
    redraw_suspendu pause(g);
    ajuste_grille(g);
    for (int c = 0; c < g.Cols(); ++c)
        g.setColWidth(c, std::max(avant[static_cast<std::size_t>(c)], g.ColWidth(c)));
}

int hauteur_texte_écran(const police_grille& p)
{
    const double tpp = twips_par_pixel();
    return static_cast<int>(std::ceil(QFontMetricsF(police_qt(p)).height() * tpp + tpp));
}

void ajuste_hauteurs_lignes(grille& g)
{
    const int hauteur =
        std::max(grille::hauteur_défaut, pixels_en_twips(QFontMetrics(police_qt(g.police())).height() + 2));
    redraw_suspendu pause(g);
    for (int r = 0; r < g.Rows(); ++r)
        g.setRowHeight(r, hauteur);
}
