#include "catalogue/styles.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "data/modele.h"
#include "ui_common/ajuste_grille.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

const couleur rouge = couleur_rgb(255, 0, 0), vert = couleur_rgb(0, 255, 0), bleu = couleur_rgb(0, 0, 255),
              cyan = couleur_rgb(0, 255, 255), jaune = couleur_rgb(255, 255, 0);

// The screen height of each style's line, measured once a pass.
class hauteurs_polices {
public:
    int de(const police_page& p)
    {
        const auto clé = std::make_tuple(p.nom, p.taille, p.gras, p.italique);
        const auto it = connues_.find(clé);
        if (it != connues_.end())
            return it->second;
        const int h = hauteur_texte_écran({p.nom, static_cast<float>(p.taille), p.gras, p.italique});
        connues_.emplace(clé, h);
        return h;
    }

private:
    std::map<std::tuple<QString, double, bool, bool>, int> connues_;
};

// A cell in a style; its row grows, never shrinks, to show the text whole.
void style_cellule(grille& g, int r, int c, const police_page& p, hauteurs_polices& hauteurs)
{
    if (c >= g.Cols())
        return;
    g.setCellFontName(r, c, p.nom);
    g.setCellFontSize(r, c, static_cast<float>(p.taille));
    g.setCellFontItalic(r, c, p.italique);
    g.setCellFontBold(r, c, p.gras);
    g.setRowHeight(r, std::max(g.RowHeight(r), hauteurs.de(p)));
}

police_page simple(police_page p, double écart = 0)
{
    p.taille += écart;
    p.gras = p.italique = false;
    return p;
}

// A layout row: its height, then the colour of its text cell. A height that
// is not a number leaves the row as it was; the colour is set all the same.
void ligne_colorée(grille& g, int r, const QString& hauteur, couleur fond)
{
    double v = 0;
    if (lit_nombre(hauteur, v) && std::isfinite(v) && std::fabs(v) < 1e8)
        g.setRowHeight(r, std::max(static_cast<int>(std::lround(v)), 0));
    g.setCellBackColor(r, col_cat::texte, fond);
}

}  // namespace

void applique_styles_catalogue(grille& g)
{
    const int lignes = g.Rows();
    if (g.Cols() <= col_cat::hauteur)
        return;
    const int images = données.cat_rubriques_images[static_cast<std::size_t>(indice_catalogue())];
    const police_page offres = police_catalogue(style_catalogue::offres);
    const police_page demandes = police_catalogue(style_catalogue::demandes);
    hauteurs_polices hauteurs;
    for (int r = 1; r < lignes; ++r) {
        const QString sorte = g.TextMatrix(r, col_cat::sorte);
        const QString hauteur = g.TextMatrix(r, col_cat::hauteur);
        if (sorte == QLatin1String("1")) {
            style_cellule(g, r, col_cat::texte, offres, hauteurs);
            style_cellule(g, r, col_cat::identifiant, simple(offres), hauteurs);
        } else if (sorte == QLatin1String("2")) {
            style_cellule(g, r, col_cat::texte, demandes, hauteurs);
            style_cellule(g, r, col_cat::identifiant, demandes, hauteurs);
        } else if (sorte == QLatin1String("3")) {
            if (images == 0) {
                style_cellule(g, r, col_cat::texte, police_catalogue(style_catalogue::rubriques), hauteurs);
                g.setCellBackColor(r, col_cat::texte, rouge);
            } else if (images == 1) {
                g.setRowHeight(r, static_cast<int>(std::lround(hauteur_images)));
                g.setCellBackColor(r, col_cat::texte, vert);
            }
        } else if (sorte == QLatin1String("4")) {
            style_cellule(g, r, col_cat::texte, police_catalogue(style_catalogue::sous_rubriques), hauteurs);
        } else if (sorte == QLatin1String("5")) {
            ligne_colorée(g, r, QStringLiteral("300"), cyan);
        } else if (sorte == QLatin1String("6") || sorte == QLatin1String("9")) {
            ligne_colorée(g, r, hauteur, bleu);
        } else if (sorte == QLatin1String("7")) {
            ligne_colorée(g, r, hauteur, cyan);
        } else if (sorte == QLatin1String("8")) {
            ligne_colorée(g, r, hauteur, jaune);
        } else if (sorte == QLatin1String("10") || sorte == QLatin1String("11")) {
            police_page label = sorte == QLatin1String("10") ? offres : demandes;
            label.taille += 2;
            label.gras = true;
            style_cellule(g, r, col_cat::sorte, label, hauteurs);
        } else if (sorte == QLatin1String("16")) {
            ligne_colorée(g, r, hauteur, rouge);
        } else {
            for (int c : {col_cat::sorte, col_cat::genre, col_cat::public_visé, col_cat::additif})
                style_cellule(g, r, c, simple(offres), hauteurs);
            style_cellule(g, r, col_cat::code, simple(offres, -2), hauteurs);
        }
    }
}
