#include "ui_common/placement_fenetres.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace {

// Where the window's near edge may go along one axis: along the screen's
// edges, and just beside or just over each control's edges, kept on the
// screen.
std::vector<int> positions(int début, int fin, int longueur, const std::vector<std::pair<int, int>>& bords)
{
    const int dernière = std::max(début, fin - longueur);
    std::vector<int> p = {début, dernière};
    for (const auto& [a, b] : bords) {
        p.push_back(a - longueur);  // ends just before the control
        p.push_back(b);             // starts just after it
        p.push_back(a);             // starts with it
        p.push_back(b - longueur);  // ends with it
    }
    for (int& v : p)
        v = std::clamp(v, début, dernière);
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    return p;
}

}  // namespace

QRect place_fenêtre_travail(const QSize& taille, const QRect& écran, const std::vector<QRect>& contrôles)
{
    std::vector<std::pair<int, int>> colonnes, rangées;
    for (const QRect& c : contrôles) {
        colonnes.emplace_back(c.left(), c.left() + c.width());
        rangées.emplace_back(c.top(), c.top() + c.height());
    }
    // A window that nearly spans the screen one way may span it whole.
    const auto presque = [](int mesure, int écran_mesure) {
        return mesure < écran_mesure && mesure * 11 >= écran_mesure * 10;
    };
    std::vector<QSize> tailles = {taille};
    if (presque(taille.height(), écran.height()))
        tailles.emplace_back(taille.width(), écran.height());
    if (presque(taille.width(), écran.width()))
        tailles.emplace_back(écran.width(), taille.height());
    if (presque(taille.height(), écran.height()) && presque(taille.width(), écran.width()))
        tailles.push_back(écran.size());

    QRect meilleure(écran.topLeft(), taille);
    std::tuple<int, bool, int, int, int> meilleur_score(std::numeric_limits<int>::max(), true, 0, 0, 0);
    for (const QSize& t : tailles) {
        const bool agrandie = t != taille;
        const std::vector<int> xs = positions(écran.left(), écran.left() + écran.width(), t.width(), colonnes);
        const std::vector<int> ys = positions(écran.top(), écran.top() + écran.height(), t.height(), rangées);
        for (const int y : ys)
            for (const int x : xs) {
                const QRect fenêtre(QPoint(x, y), t);
                int coupés = 0, cachés = 0;
                for (const QRect& c : contrôles) {
                    if (fenêtre.contains(c))
                        ++cachés;
                    else if (fenêtre.intersects(c))
                        ++coupés;
                }
                const auto score = std::make_tuple(coupés, agrandie, cachés, y, x);
                if (score < meilleur_score) {
                    meilleur_score = score;
                    meilleure = fenêtre;
                }
            }
    }
    return meilleure;
}
