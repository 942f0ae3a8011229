#include "catalogue/ligne_catalogue.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/legende.h"
#include "catalogue/mesures.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "ui_common/impression_texte.h"
#include "ui_common/outils.h"
#include "ui_common/symboles.h"

#include <cmath>
#include <optional>

namespace {

std::size_t kc() { return static_cast<std::size_t>(indice_catalogue()); }

// A whole number held by a cell; nothing for a blank cell or another text,
// as the steps that need one are then left out.
std::optional<int> entier_cellule(const QString& texte)
{
    double v = 0;
    if (texte.trimmed().isEmpty() || !lit_nombre(texte, v) || !std::isfinite(v) || std::fabs(v) > 1e9)
        return std::nullopt;
    return static_cast<int>(std::lround(v));
}

// The number in front of an entry, by the numbering option.
QString numéro_entrée(const grille& g, int r)
{
    auto formate = [&](int colonne, const char* masque) -> QString {
        const QString cellule = cellule_catalogue(g, r, colonne);
        double v = 0;
        if (cellule.trimmed().isEmpty() || !lit_nombre(cellule, v))
            return {};
        return Format(v, QString::fromLatin1(masque));
    };
    switch (données.cat_code[kc()]) {
    case 0: return formate(col_cat::code, "0000");
    case 1: return formate(col_cat::emplacement, "0000");
    case 3: return formate(col_cat::cp, "00000");
    default: return {};
    }
}

// Pages of a half-A4 sheet are half its width.
double largeur_page(const surface_page& s) { return s.Width() / (données.cat_format[kc()] == 1 ? 2 : 1); }

// The image of the row's file, centred on its page, `hauteur` high. Nothing
// is drawn for a row without height, nor for a file that is missing or not a
// picture.
void image_centrée(cible_page& c, const QString& fichier, double hauteur, double y, double x0)
{
    if (hauteur <= 0)
        return;
    const float largeur = charge_image_rubrique(fichier, static_cast<float>(hauteur));
    if (largeur <= 0)
        return;
    const double x = (largeur_page(c.surface) - largeur) / 2 + x0;
    imprime_image(c.surface, image_rubrique(), fichier, x, y, hauteur, largeur);
}

double entrée(cible_page& c, const grille& g, int r, int sorte, double y, double x0)
{
    const données_sel& d = données;
    surface_page& s = c.surface;
    const bool offre = sorte == sorte_ligne::offre;

    police_page numéro = police_catalogue(style_catalogue::offres);
    numéro.taille -= 2;
    numéro.gras = numéro.italique = false;
    // A proposition deleted for the supplement: its number and description
    // are struck through.
    numéro.barré = valeur_cellule(cellule_catalogue(g, r, col_cat::additif)) == 2;
    s.setPolice(numéro);
    s.setCurrentY(y);
    if (const QString n = numéro_entrée(g, r); !n.isEmpty()) {
        s.setCurrentX(x0 + d.x_numéro);
        s.Print(n, false);
    }

    police_page texte = police_catalogue(offre ? style_catalogue::offres : style_catalogue::demandes);
    texte.barré = numéro.barré;
    s.setPolice(texte);
    s.setCurrentY(y);
    const double h1 =
        imprime_paragraphe(s, cellule_catalogue(g, r, col_cat::texte), x0 + d.x_texte, y, largeur_texte);

    const QString identifiant = cellule_catalogue(g, r, col_cat::identifiant).trimmed();
    s.setFontStrikethru(false);
    const double h2 = imprime_paragraphe(s, identifiant, x0 + d.x_identifiant, y, largeur_identifiant);
    const double h = plus_grand(h1, h2);

    // A child member: the child symbol right after the identifier's last line.
    const std::optional<int> membre = entier_cellule(cellule_catalogue(g, r, col_cat::num_adh));
    if (membre && *membre >= 1 && *membre <= max_adhérents &&
        d.table_adhérents[static_cast<std::size_t>(*membre)].catégorie == 0 && !identifiant.isEmpty()) {
        s.setFontName(police_symboles());
        s.setFontItalic(false);
        s.Print(glyphes_stockés(d.symbole_enfant), false);
    }

    s.setCurrentX(x0 + d.x_symbole);
    s.setCurrentY(y);
    s.setFontName(police_symboles());
    s.setFontItalic(false);
    if (!offre)
        s.setFontSize(d.taille_offres[kc()]);
    const std::optional<int> genre = entier_cellule(cellule_catalogue(g, r, col_cat::genre));
    if (genre && *genre >= 0 && *genre < static_cast<int>(d.symboles_genres.size()))
        s.Print(glyphe_de_code(d.symboles_genres[static_cast<std::size_t>(*genre)]), false);

    if (const QString public_visé = cellule_catalogue(g, r, col_cat::public_visé); !public_visé.trimmed().isEmpty()) {
        s.setCurrentY(y);
        s.Print(glyphes_stockés(public_visé), false);
    }
    s.setFontStrikethru(false);
    return h;
}

// A title or label: one line of its style at x, its height that of "W".
double titre(surface_page& s, const police_page& police, const QString& texte, double x, double y)
{
    s.setPolice(police);
    s.setCurrentX(x);
    s.setCurrentY(y);
    s.Print(texte);
    return s.TextHeight(QStringLiteral("W"));
}

police_page label(style_catalogue style)
{
    police_page p = police_catalogue(style);
    p.taille += 2;
    p.gras = true;
    return p;
}

double titre_rubrique(cible_page& c, const grille& g, int r, double y, double x0)
{
    surface_page& s = c.surface;
    const QString texte = cellule_catalogue(g, r, col_cat::texte);
    switch (données.cat_rubriques_images[kc()]) {
    case 0: return titre(s, police_catalogue(style_catalogue::rubriques), texte, x0 + données.x_texte, y);
    case 1: {
        const double hauteur = hauteur_rangée(g, r);
        if (!texte.trimmed().isEmpty() && !trouve_fichier_stocké(texte).isEmpty()) {
            image_centrée(c, texte, hauteur, y, x0);
            return hauteur;
        }
        // No picture: the name, in the middle of the height kept for it.
        s.setPolice(police_catalogue(style_catalogue::rubriques));
        s.setCurrentX(x0 + données.x_texte);
        s.setCurrentY(y + (hauteur - s.TextHeight(QStringLiteral("W"))) / 2);
        s.Print(texte);
        return hauteur;
    }
    default: return 0;
    }
}

}  // namespace

double imprime_ligne_catalogue(cible_page& c, const grille& g, int r, int sorte, double y, double x0)
{
    using namespace sorte_ligne;
    const données_sel& d = données;
    switch (sorte) {
    case offre:
    case demande: return entrée(c, g, r, sorte, y, x0);
    case rubrique: return titre_rubrique(c, g, r, y, x0);
    case sous_rubrique:
        return titre(c.surface, police_catalogue(style_catalogue::sous_rubriques),
                     cellule_catalogue(g, r, col_cat::texte), x0 + d.x_symbole, y);
    case label_offres:
    case label_demandes:
        return titre(c.surface, label(sorte == label_offres ? style_catalogue::offres : style_catalogue::demandes),
                     cellule_catalogue(g, r, col_cat::texte), x0 + d.x_symbole, y);
    case ligne_vide:
    case espace: return hauteur_rangée(g, r);
    case image: {
        const double hauteur = hauteur_rangée(g, r);
        image_centrée(c, cellule_catalogue(g, r, col_cat::texte), hauteur, y, x0);
        return hauteur;
    }
    case légende:
        imprime_légende(c, y + 150, x0 > 3000);
        return hauteur_rangée(g, r);
    default: return 0;
    }
}
