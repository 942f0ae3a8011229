#pragma once
// The charts of the statistics tables. A table becomes series of numbers,
// one per grid row (categories across the value columns) or, inverted, one
// per value column (categories down the rows). Column 0 holds labels when
// the grid has a fixed column, values otherwise; row 0 is never charted.
// A cell gives the number its text begins with (Val): "45%" 45, "12,5" 12.
// The chart types keep the classic chart control's codes.
#include <QString>
#include <QStringList>
#include <vector>

class QChart;
class grille;

namespace types_graphique {
inline constexpr int barres_3d = 0, barres = 1, lignes_3d = 2, lignes = 3, aires_3d = 4, aires = 5,
                     escalier_3d = 6, escalier = 7, combiné_3d = 8, combiné = 9, secteurs = 14, xy = 16;
}
// The codes in the order of their option buttons.
inline constexpr int codes_graphique[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 16};

struct données_graphique {
    QString titre;
    QStringList séries;      // legend names
    QStringList catégories;  // axis names
    std::vector<std::vector<double>> valeurs;  // [series][category]
};

données_graphique prépare_graphique(const grille& g, const QString& titre, bool inverse);

// Fills an empty chart with the data drawn as the type asks. Three-dimensional
// types are drawn as their flat counterparts; an unknown type as bars.
// Titles, legends and labels show as written ("0 < x < 100"), values in
// French ("1 500 000"), each series in a colour of its own. Every series
// shows with a single category too: lines as points, areas across the
// category, a pie whose slices are the series. Category labels stand up
// when they do not fit side by side, and only every pas_libellés-th shows
// when, standing, they would still overlap.
void remplit_graphique(QChart& graphique, const données_graphique& d, int type);

// Of `nombre` labels along `longueur` pixels, each `épaisseur` thick, one in
// how many can show: 1 when all fit.
int pas_libellés(int nombre, double longueur, double épaisseur);
