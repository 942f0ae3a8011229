#include "printing/rendu_etiquettes.h"

#include "data/modele.h"
#include "printing/texte_etiquette.h"
#include "ui_common/impression_texte.h"
#include "ui_common/surface_apercu.h"

#include <algorithm>

namespace {

// The background starts a little left of the label and stops short of the
// next row.
constexpr double débord_fond = 80;
constexpr double réserve_fond = 50;
constexpr double haut_titre_carte = 300;
constexpr double points_titre_carte = 2;
// Room around the mailing block in its model.
constexpr double bord_modèle_publipostage = 80;
constexpr double hauteur_bloc_publipostage = 1701;  // 3 cm

bool numéro_valide(int numéro)
{
    return numéro >= 1 && numéro <= max_adhérents;
}

QImage photo_de(int numéro)
{
    if (!numéro_valide(numéro))
        return {};
    const QString& chemin = données.table_adhérents[static_cast<std::size_t>(numéro)].photo;
    if (chemin.trimmed().isEmpty())
        return {};
    return lit_image(chemin);
}

// A card: the photo (or its empty frame) on the left, the title centred over
// the card, the address to the right of the photo.
void dessine_carte(surface_page& s, const réglages_étiquettes& r, int numéro, double X, double Y)
{
    const feuille_étiquettes& f = r.feuille;
    const titre_et_reste texte = sépare_titre(compose_texte(numéro, r.type_sortie));
    const double largeur = largeur_texte(f, r.type_sortie);
    const double l_photo = largeur_photo(f);
    const double y_photo = Y + haut_photo(f);

    police_page titre = r.police;
    titre.taille += points_titre_carte;
    titre.gras = titre.italique = true;
    s.setPolice(titre);
    const double x_titre = X + (l_photo + largeur - s.TextWidth(texte.titre)) / 2;

    // A photo that cannot be read shows as missing: never another member's.
    const QImage photo = photo_de(numéro);
    if (!photo.isNull()) {
        // A very tall photo is shrunk to stay on its own card.
        const double place = std::max(0.0, hauteur_étiquette(f) - haut_photo(f) - réserve_fond);
        double l = l_photo;
        double h = hauteur_photo(l, photo.size());
        if (h > place && h > 0) {
            l *= place / h;
            h = place;
        }
        s.PaintPicture(photo, X, y_photo, l, h);
    } else {
        const double bas = y_photo + proportion_cadre_photo * l_photo;
        s.Line(X, y_photo, X + l_photo, y_photo);
        s.Line(X + l_photo, y_photo, X + l_photo, bas);
        s.Line(X + l_photo, bas, X, bas);
        s.Line(X, bas, X, y_photo);
    }

    imprime_texte(s, texte.titre, x_titre, Y + haut_titre_carte, largeur);
    s.setPolice(r.police);
    // The rest begins with the title's line break and an empty line, so the
    // address comes below the title.
    imprime_texte(s, texte.reste, X + x_texte_carte(f), Y, largeur);
}

}  // namespace

void dessine_étiquette(surface_page& s, const réglages_étiquettes& r, int numéro, double X, double Y,
                       const QImage& fond)
{
    const feuille_étiquettes& f = r.feuille;
    s.setPolice(r.police);
    if (r.type_sortie == sorties::publipostage) {
        imprime_texte(s, compose_texte(numéro, r.type_sortie), X, Y, largeur_publipostage);
        return;
    }
    if (r.type_sortie != sorties::étiquette && !est_carte(r.type_sortie))
        return;
    if (!fond.isNull()) {
        const double x_fond = X - débord_fond + (est_carte(r.type_sortie) && f.marges_gd ? retrait_marge_gd : 0);
        s.PaintPicture(fond, x_fond, Y, largeur_étiquette(f), hauteur_étiquette(f) - réserve_fond);
    }
    if (est_carte(r.type_sortie)) {
        dessine_carte(s, r, numéro, X, Y);
        return;
    }
    imprime_texte(s, compose_texte(numéro, r.type_sortie), X + (f.marges_gd ? retrait_marge_gd : 0), Y,
                  largeur_texte(f, r.type_sortie));
}

QSizeF taille_modèle(const réglages_étiquettes& r)
{
    if (r.type_sortie == sorties::publipostage)
        return {largeur_publipostage + 2 * bord_modèle_publipostage,
                hauteur_bloc_publipostage + 2 * bord_modèle_publipostage};
    return {largeur_étiquette(r.feuille), hauteur_étiquette(r.feuille)};
}

void dessine_modèle(surface_page& s, const réglages_étiquettes& r, int numéro)
{
    if (r.type_sortie == sorties::publipostage) {
        dessine_étiquette(s, r, numéro, bord_modèle_publipostage, bord_modèle_publipostage, {});
        return;
    }
    dessine_étiquette(s, r, numéro, 0, 0, lit_image(r.fond));
}

QImage image_modèle(const réglages_étiquettes& r, int numéro, double points_par_pouce)
{
    surface_aperçu s(taille_modèle(r), points_par_pouce);
    dessine_modèle(s, r, numéro);
    return s.image();
}

namespace {

fin_impression imprime_la_liste(surface_page& s, const réglages_étiquettes& r, const std::vector<int>& numéros,
                                const suivi_impression& suivi)
{
    const auto entrée = [&](int i) {
        if (suivi.entrée)
            suivi.entrée(i);
    };
    const auto continuer = [&] { return !suivi.continuer || suivi.continuer(); };
    const int nombre = static_cast<int>(numéros.size());
    s.setPolice(r.police);

    if (r.type_sortie == sorties::publipostage) {
        for (int i = 0; i < nombre; ++i) {
            entrée(i);
            if (i > 0)
                s.NewPage();
            dessine_étiquette(s, r, numéros[static_cast<std::size_t>(i)], x_publipostage, y_publipostage, {});
            if (!continuer())
                return s.EndDoc() ? fin_impression::interrompue : fin_impression::refusée;
        }
        return nombre == 0 || s.EndDoc() ? fin_impression::terminée : fin_impression::refusée;
    }

    if (r.type_sortie != sorties::étiquette && !est_carte(r.type_sortie))
        return fin_impression::terminée;

    const QImage fond = lit_image(r.fond);
    int page = 0;
    for (int i = 0; i < nombre; ++i) {
        const place_étiquette p = place_étiquette_de(r.feuille, i);
        if (p.page > page) {
            s.NewPage();
            page = p.page;
        }
        entrée(i);
        dessine_étiquette(s, r, numéros[static_cast<std::size_t>(i)], x_étiquette(r.feuille, p.colonne),
                          y_étiquette(r.feuille, p.ligne), fond);
        if (!continuer()) {
            s.KillDoc();
            return fin_impression::interrompue;
        }
    }
    return s.EndDoc() ? fin_impression::terminée : fin_impression::refusée;
}

}  // namespace

fin_impression imprimer_étiquettes(surface_page& s, const réglages_étiquettes& r, const std::vector<int>& numéros,
                                     const suivi_impression& suivi)
{
    try {
        return imprime_la_liste(s, r, numéros, suivi);
    } catch (...) {
        // Half a run is not sent: the pages made so far go with it.
        s.KillDoc();
        throw;
    }
}
