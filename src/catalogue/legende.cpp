#include "catalogue/legende.h"

#include "catalogue/mesures.h"
#include "data/modele.h"
#include "ui_common/symboles.h"

namespace {

void cadre(surface_page& s, double gauche, double haut, double droite, double bas)
{
    s.Line(gauche, haut, droite, haut);
    s.Line(droite, haut, droite, bas);
    s.Line(droite, bas, gauche, bas);
    s.Line(gauche, bas, gauche, haut);
}

}  // namespace

double imprime_légende(cible_page& c, double y, bool droite)
{
    const données_sel& d = données;
    surface_page& s = c.surface;
    const auto k = static_cast<std::size_t>(indice_catalogue());
    const int pages_par_feuille = d.cat_format[k] == 1 ? 2 : 1;
    const double x0 = droite ? c.imprimante.Width() / pages_par_feuille : 0;
    const double gauche = d.x_numéro + x0 - 80;
    const double côté_droit = s.Width() / pages_par_feuille - d.x_numéro + x0 - 700;
    if (c.papier())
        cadre(s, gauche, y, côté_droit, y + hauteur_légende(c.imprimante));

    police_page police = police_catalogue(style_catalogue::sommaire);
    police.taille = d.taille_offres[k];
    police.gras = police.italique = false;
    s.setPolice(police);
    s.setCurrentY(y + 80);
    s.setCurrentX(d.x_numéro + x0);
    s.Print(QStringLiteral("Signification des symboles utilisés:"));
    s.Print();
    double h = 2 * s.TextHeight(QStringLiteral("W"));

    auto ligne = [&](const QString& glyphe, const QString& sens) {
        s.setCurrentX(d.x_texte + x0);
        s.setFontName(police_symboles());
        s.Print(glyphe, false);
        s.setFontName(police.nom);
        s.setCurrentX(d.x_texte + x0 + s.TextWidth(QStringLiteral("WI")));
        s.Print(QStringLiteral(" = ") + sens);
        h += s.TextHeight(QStringLiteral("W"));
    };
    for (std::size_t i = 0; i < d.noms_genres.size(); ++i)
        if (!d.noms_genres[i].trimmed().isEmpty())
            ligne(glyphe_de_code(d.symboles_genres[i]), d.noms_genres[i]);
    if (!d.symbole_enfant.trimmed().isEmpty())
        ligne(glyphes_stockés(d.symbole_enfant), QStringLiteral("Enfant"));
    if (!d.symbole_adulte.trimmed().isEmpty())
        ligne(glyphes_stockés(d.symbole_adulte), QStringLiteral("Adulte"));

    if (!c.papier()) {
        const double x = s.CurrentX(), yc = s.CurrentY();
        cadre(s, gauche, y, côté_droit, y + h + 160);
        s.setCurrentX(x);
        s.setCurrentY(yc);
    }
    return h + 160;
}
