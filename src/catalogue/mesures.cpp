#include "catalogue/mesures.h"

#include "catalogue/grille_catalogue.h"
#include "data/dialogues.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "ui_common/impression_texte.h"
#include "ui_common/symboles.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

std::array<float, 2> taille_sommaire_retenue = {taille_sommaire_par_défaut, taille_sommaire_par_défaut};

int indice_catalogue() { return données.type_catalogue == 0 ? 0 : 1; }

police_page police_catalogue(style_catalogue style, int k)
{
    const données_sel& d = données;
    const auto i = static_cast<std::size_t>(k == 0 ? 0 : 1);
    switch (style) {
    case style_catalogue::offres: return {d.police_offres[i], d.taille_offres[i], d.gras_offres[i], d.italique_offres[i]};
    case style_catalogue::demandes:
        return {d.police_demandes[i], d.taille_demandes[i], d.gras_demandes[i], d.italique_demandes[i]};
    case style_catalogue::rubriques:
        return {d.police_rubriques[i], d.taille_rubriques[i], d.gras_rubriques[i], d.italique_rubriques[i]};
    case style_catalogue::sous_rubriques:
        return {d.police_sous_rubriques[i], d.taille_sous_rubriques[i], d.gras_sous_rubriques[i],
                d.italique_sous_rubriques[i]};
    case style_catalogue::sommaire:
        return {d.police_sommaire[i], d.taille_sommaire[i] > 0 ? d.taille_sommaire[i] : taille_sommaire_par_défaut,
                d.gras_sommaire[i], d.italique_sommaire[i]};
    }
    return {};
}

float taille_page_de_titre(int k)
{
    const auto i = static_cast<std::size_t>(k == 0 ? 0 : 1);
    return données.taille_sommaire[i] > 0 ? données.taille_sommaire[i] : taille_sommaire_retenue[i];
}

namespace {

// A surface that measures with another one's metrics and keeps nothing, so
// that the paragraph writer can be run to count lines.
class surface_mesure final : public surface_page {
public:
    explicit surface_mesure(surface_page& cible) : cible_(cible) { setPolice(cible.police()); }
    QPageLayout::Orientation Orientation() const override { return cible_.Orientation(); }
    void setOrientation(QPageLayout::Orientation) override {}

protected:
    double largeur_ligne(const QString& ligne, const police_page& police) const override
    {
        prend(police);
        return cible_.TextWidth(ligne);
    }
    double interligne(const police_page& police) const override
    {
        prend(police);
        return cible_.TextHeight();
    }
    QSizeF taille_page() const override { return {cible_.Width(), cible_.Height()}; }
    void pose(élément_page) override {}
    void page_suivante() override {}
    bool termine_document() override { return true; }
    void annule_document() override {}

private:
    void prend(const police_page& police) const
    {
        if (cible_.police() != police)
            cible_.setPolice(police);
    }
    surface_page& cible_;
};

float hauteur_de_w(surface_page& surface, const police_page& police)
{
    surface.setPolice(police);
    return static_cast<float>(surface.TextHeight(QStringLiteral("W")));
}

police_page label(style_catalogue style)
{
    police_page p = police_catalogue(style);
    p.taille += 2;
    p.gras = true;
    return p;
}

}  // namespace

double hauteur_paragraphe(surface_page& surface, const QString& texte, double largeur)
{
    surface_mesure mesure(surface);
    return imprime_paragraphe(mesure, texte, 0, 0, largeur);
}

float hauteur_ligne_catalogue(const grille& g, int ligne, int sorte, surface_page& surface)
{
    using namespace sorte_ligne;
    switch (sorte) {
    case offre:
    case demande: {
        surface.setPolice(police_catalogue(sorte == offre ? style_catalogue::offres : style_catalogue::demandes));
        const double texte = hauteur_paragraphe(surface, cellule_catalogue(g, ligne, col_cat::texte), largeur_texte);
        const double identifiant =
            hauteur_paragraphe(surface, cellule_catalogue(g, ligne, col_cat::identifiant), largeur_identifiant);
        return static_cast<float>(std::max(texte, identifiant));
    }
    case rubrique:
    case espace:
    case image:
    case légende: return static_cast<float>(hauteur_rangée(g, ligne));
    case sous_rubrique: return hauteur_de_w(surface, police_catalogue(style_catalogue::sous_rubriques));
    case ligne_vide: return hauteur_ligne_vide;
    case label_offres: return hauteur_de_w(surface, label(style_catalogue::offres));
    case label_demandes: return hauteur_de_w(surface, label(style_catalogue::demandes));
    default: return 0;
    }
}

float hauteur_sommaire(surface_page& surface)
{
    return hauteur_sommaire(surface, taille_page_de_titre());
}

float hauteur_sommaire(surface_page& surface, float taille_choisie)
{
    const données_sel& d = données;
    const int k = indice_catalogue();
    police_page police = police_catalogue(style_catalogue::sommaire, k);
    const double taille = taille_choisie;
    police.gras = true;
    police.italique = false;
    police.taille = taille + 4;
    surface.setPolice(police);
    double h = 2 * surface.TextHeight(QStringLiteral("A"));
    surface.setFontSize(taille);
    h += 3 * surface.TextHeight(QStringLiteral("A"));
    surface.setFontSize(taille + 2);
    h += 2 * surface.TextHeight(QStringLiteral("A"));
    surface.setFontSize(taille);
    const double largeur = surface.Width() / (d.cat_format[static_cast<std::size_t>(k)] == 1 ? 2 : 1) - 1000;
    for (int i = 1; i <= max_rubriques; ++i) {
        const QString& nom = d.noms_rubriques[static_cast<std::size_t>(i * 10)];
        if (nom.isEmpty() || page_rubrique[static_cast<std::size_t>(i)] == 0)
            continue;
        h += hauteur_paragraphe(surface, nom, largeur);
    }
    return static_cast<float>(h);
}

float hauteur_légende(surface_page& surface)
{
    const données_sel& d = données;
    police_page police = police_catalogue(style_catalogue::sommaire);
    police.taille = police_catalogue(style_catalogue::offres).taille;
    police.gras = police.italique = false;
    surface.setPolice(police);
    double h = 2 * surface.TextHeight(QStringLiteral("W"));
    // Each symbol line counts the height of the font the symbols are drawn with.
    auto ligne_symbole = [&] {
        surface.setFontName(police_symboles());
        h += surface.TextHeight(QStringLiteral("W"));
    };
    for (const QString& nom : d.noms_genres)
        if (!nom.trimmed().isEmpty())
            ligne_symbole();
    for (const QString* symbole : {&d.symbole_enfant, &d.symbole_adulte})
        if (!symbole->trimmed().isEmpty())
            ligne_symbole();
    return static_cast<float>(h + 160);
}

namespace {
QImage& porte_image()
{
    static QImage image;
    return image;
}
}  // namespace

float charge_image_rubrique(const QString& fichier, float hauteur)
{
    const QString trouvé = trouve_fichier_stocké(fichier);
    if (fichier.trimmed().isEmpty() || trouvé.isEmpty())
        return 0;
    porte_image() = lit_image(fichier);
    const QImage& image = porte_image();
    if (image.isNull() || image.height() <= 0) {
        if (const QString raison = raison_image_illisible(trouvé); !raison.isEmpty())
            MsgBox(raison, style_boîte::critique);
        return 0;
    }
    return static_cast<float>(image.width()) * hauteur / static_cast<float>(image.height());
}

const QImage& image_rubrique() { return porte_image(); }
