#include "printing/feuille_etiquettes.h"

#include <algorithm>
#include <cmath>

namespace {

// The model of a label is the label less 300 twips; its text keeps 150 more.
constexpr double réduction_modèle = 300;
constexpr double retrait_texte_modèle = 150;
// The photo canvas of the card model, its top and the gap before the text,
// in screen twips of the model.
constexpr double largeur_photo_modèle = 1035;
constexpr double haut_photo_modèle = 800;
constexpr double écart_photo_texte_modèle = 300;

}  // namespace

bool est_carte(const QString& type_sortie)
{
    return type_sortie == sorties::carte_adh || type_sortie == sorties::carte_id;
}

double largeur_étiquette(const feuille_étiquettes& f)
{
    return f.largeur_page / f.nb_colonnes;
}

double hauteur_étiquette(const feuille_étiquettes& f)
{
    return (f.marges_hb ? f.hauteur_page - 2 * marge_haut_bas : f.hauteur_page) / f.nb_lignes;
}

double x_étiquette(const feuille_étiquettes& f, int colonne)
{
    return largeur_étiquette(f) * (colonne - 1);
}

double y_étiquette(const feuille_étiquettes& f, int ligne)
{
    return hauteur_étiquette(f) * (ligne - 1) + (f.marges_hb ? marge_haut_bas : 0);
}

place_étiquette place_étiquette_de(const feuille_étiquettes& f, int rang)
{
    const int par_page = f.nb_colonnes * f.nb_lignes;
    const bool départ_sur_la_feuille = f.colonne_départ >= 0 && f.colonne_départ < f.nb_colonnes &&
                                       f.ligne_départ >= 0 && f.ligne_départ < f.nb_lignes;
    const int premier = départ_sur_la_feuille ? f.ligne_départ * f.nb_colonnes + f.colonne_départ : 0;
    const int n = premier + std::max(rang, 0);
    const int case_page = n % par_page;
    return {n / par_page, case_page % f.nb_colonnes + 1, case_page / f.nb_colonnes + 1};
}

void change_format(feuille_étiquettes& f, int colonnes, int lignes)
{
    f.nb_colonnes = std::clamp(colonnes, colonnes_min, colonnes_max);
    f.nb_lignes = std::clamp(lignes, lignes_min, lignes_max);
    f.colonne_départ = 0;
    f.ligne_départ = 0;
}

void choisit_départ(feuille_étiquettes& f, double x, double y, double largeur, double hauteur)
{
    if (largeur <= 0 || hauteur <= 0)
        return;
    f.colonne_départ = std::clamp(static_cast<int>(std::floor(x * f.nb_colonnes / largeur)), 0, f.nb_colonnes - 1);
    f.ligne_départ = std::clamp(static_cast<int>(std::floor(y * f.nb_lignes / hauteur)), 0, f.nb_lignes - 1);
}

double échelle_aperçu(const feuille_étiquettes& f)
{
    return (largeur_cadre_étiquettes - 800) / f.largeur_page * 2;
}

double largeur_photo(const feuille_étiquettes& f)
{
    return largeur_photo_modèle / échelle_aperçu(f);
}

double haut_photo(const feuille_étiquettes& f)
{
    return haut_photo_modèle / échelle_aperçu(f);
}

double x_texte_carte(const feuille_étiquettes& f)
{
    return largeur_photo(f) + écart_photo_texte_modèle / échelle_aperçu(f);
}

double largeur_texte(const feuille_étiquettes& f, const QString& type_sortie)
{
    if (type_sortie == sorties::publipostage)
        return largeur_publipostage;
    const double modèle = largeur_étiquette(f) - réduction_modèle;
    if (est_carte(type_sortie))
        return modèle - largeur_photo(f) - écart_photo_texte_modèle;
    return modèle - retrait_texte_modèle - (f.marges_gd ? retrait_marge_gd : 0);
}
