#include "catalogue/grille_catalogue.h"

#include "data/modele.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

double valeur_cellule(const QString& texte)
{
    double v = 0;
    return lit_nombre(texte, v) && std::isfinite(v) ? v : 0;
}

QString cellule_catalogue(const grille& g, int r, int c)
{
    if (r < 0 || r >= g.Rows() || c < 0 || c >= g.Cols())
        return {};
    return g.TextMatrix(r, c);
}

int sorte_de(const grille& g, int r)
{
    const double v = valeur_cellule(cellule_catalogue(g, r, col_cat::sorte));
    return std::fabs(v) < 1e9 ? static_cast<int>(v) : 0;
}

double hauteur_rangée(const grille& g, int r)
{
    return std::max(valeur_cellule(cellule_catalogue(g, r, col_cat::hauteur)), 0.0);
}

QString texte_réel(double v)
{
    return texte_nombre(QString::number(v, 'g', 7).toDouble());
}

// ---------------------------------------------------------------- member list

std::vector<élément_liste_adh> liste_adh;

void remplit_liste_adh()
{
    const données_sel& d = données;
    liste_adh.clear();
    liste_adh.push_back({QStringLiteral("0"), 0});
    const int n = std::min<int>(d.nombre_adhérents, max_adhérents);
    liste_adh.reserve(static_cast<std::size_t>(std::max(n, 0)) + 1);
    for (int p = 1; p <= n; ++p)
        liste_adh.push_back({QString::number(p), d.table_adhérents[static_cast<std::size_t>(p)].ordre});
}

// ---------------------------------------------------------------- what the window shows

affichage_catalogue affichage_cat;
std::function<void()> avis_affichage_catalogue;

namespace {

QElapsedTimer& dernier_tour()
{
    static QElapsedTimer t;
    return t;
}

}  // namespace

void cède_la_main_maintenant()
{
    if (avis_affichage_catalogue)
        avis_affichage_catalogue();
    QCoreApplication::processEvents();
    dernier_tour().start();
}

void cède_la_main()
{
    constexpr qint64 intervalle_ms = 40;
    if (dernier_tour().isValid() && dernier_tour().elapsed() < intervalle_ms)
        return;
    cède_la_main_maintenant();
}

// ---------------------------------------------------------------- page tables

int16 dernière_page_catalogue = 0;
std::vector<int16> page_ligne_catalogue(3501);
std::vector<int16> page_rubrique(max_rubriques + 1);
std::vector<int16> pages_liste_adhérents(501);

// ---------------------------------------------------------------- layout positions

float largeur_identifiant = 0;
float largeur_texte = 0;
float x_liste_adh1 = 0, x_liste_adh2 = 0, x_liste_adh3 = 0, x_liste_adh4 = 0;

// ---------------------------------------------------------------- links

namespace {
liens_catalogue les_liens;
}

void branche_catalogue(liens_catalogue liens) { les_liens = std::move(liens); }

const liens_catalogue& liens_cat() { return les_liens; }
