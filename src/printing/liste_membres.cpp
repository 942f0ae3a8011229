#include "printing/liste_membres.h"

#include "data/modele.h"
#include "data/valeurs.h"
#include "ui_common/grille.h"
#include "ui_common/impression_grille.h"
#include "ui_common/impression_texte.h"
#include "ui_common/outils.h"
#include "ui_common/surface.h"

#include <QLocale>

namespace {

constexpr double haut_liste = 1000;
constexpr double gauche_liste = 800;
constexpr double marge_largeur = 1200;   // the grid's font shrinks below this
constexpr double marge_date = 800;       // the date line stops this far from the right edge
constexpr double haut_logo = 800;
constexpr double côté_logo = 2835;       // 5 cm
constexpr double bas_logo = 3680;
constexpr double écart_grille = 2000;
constexpr double largeur_minimale_mm = 50;

}  // namespace

bool imprime_liste(surface_page& s, grille& g, const options_liste& o)
{
    double largeur_mm = 0;
    if (!lit_nombre(o.largeur_mm, largeur_mm))
        return false;
    const double total = largeur_grille_twips(g);
    const double largeur_page = s.Width();
    const double échelle = total > 0 ? plus_petit(1.0, (largeur_page - marge_largeur) / total) : 1.0;
    s.setPolice({g.FontName(), plus_petit(static_cast<double>(g.FontSize()), g.FontSize() * échelle), true, true});

    double y = haut_liste;
    const QString date =
        QStringLiteral("Le ") + QLocale(QLocale::French, QLocale::France).toString(aujourdhui(), QLocale::LongFormat);
    y += imprime_paragraphe(s, date, largeur_page * 2 / 3, haut_liste, largeur_page / 3 - marge_date);
    s.setFontItalic(false);

    if (o.choix_entête == entêtes_liste::texte) {
        y += imprime_paragraphe(s, données.entête, gauche_liste, haut_liste, largeur_page / 3);
    } else if (o.choix_entête == entêtes_liste::logo) {
        const QImage logo = lit_image(données.fichier_logo);
        if (!logo.isNull()) {
            s.PaintPicture(logo, gauche_liste, haut_logo, côté_logo, côté_logo);
            y = bas_logo;
        }
    }
    s.setCurrentY(y + écart_grille);

    imprime_grille(s, g, largeur_mm * twips_par_mm, o.titre, o.horizontales, o.verticales, o.tronquer);
    return s.EndDoc();
}

namespace {

double largeur_maximale_mm(double largeur_page) { return largeur_grille_imprimable(largeur_page) / twips_par_mm; }

}  // namespace

QString texte_largeur_grille_mm(const grille& g, double largeur_page)
{
    // A grid wider than the page prints shrunk to it; one narrower than the
    // smallest width is printed at its own width under rules of that width.
    return texte_nombre(
        plus_petit(plus_grand(largeur_grille_mm(g), largeur_minimale_mm), largeur_maximale_mm(largeur_page)));
}

QString largeur_page_mm(double largeur_page) { return texte_nombre(largeur_maximale_mm(largeur_page)); }

bool largeur_acceptable(const QString& texte, double largeur_page)
{
    double v = 0;
    if (!lit_nombre(texte, v))
        return false;
    // The width as the box shows it (15 digits) reads back a hair above the
    // width itself.
    return v >= largeur_minimale_mm && v <= largeur_maximale_mm(largeur_page) + 1e-9;
}
