#include "catalogue/sommaire.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/legende.h"
#include "catalogue/mesures.h"
#include "catalogue/parcours_apercu.h"
#include "data/dialogues.h"
#include "data/modele.h"
#include "ui_common/impression_texte.h"
#include "ui_common/outils.h"

#include <algorithm>
#include <cmath>

namespace {

const QString crlf = QStringLiteral("\r\n");

// A number as the classic Print writes a numeric item: a blank (or the
// minus sign) before it, a blank after it.
QString article_numérique(int n)
{
    return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n) + QStringLiteral(" ");
}

}  // namespace

QString titre_sommaire()
{
    if (indice_catalogue() == 1)
        return QStringLiteral("Catalogue");
    return QStringLiteral("Additif N° ") + QString::number(données.cat_numéro[0]) + QStringLiteral(" au catalogue");
}

namespace {

double ajustement_portrait(const surface_page& imprimante)
{
    return imprimante.Orientation() == QPageLayout::Portrait ? -300 : 0;
}

double ajustement_portrait(const cible_page& c) { return ajustement_portrait(c.imprimante); }

// What the user is told of the size that would fit.
QString taille_possible(int taille, bool avec_légende)
{
    const QString quoi = avec_légende ? QStringLiteral("Le sommaire et la légende tiennent")
                                      : QStringLiteral("Le sommaire tient seul");
    if (taille <= 0)
        return quoi + QStringLiteral(" sur la page à aucune taille de police.");
    return quoi + QStringLiteral(" sur la page jusqu'à la taille %1.").arg(taille);
}

}  // namespace

int taille_sommaire_qui_tient(surface_page& page, surface_page& imprimante, bool avec_légende, int jusqu_à)
{
    const double limite = page.Height() - 1400 + ajustement_portrait(imprimante);
    const double autour = avec_légende ? hauteur_légende(imprimante) : 300;
    for (int taille = jusqu_à; taille >= 1; --taille)
        if (hauteur_sommaire(page, static_cast<float>(taille)) + autour < limite)
            return taille;
    return 0;
}

std::optional<place_sommaire> retiens_taille_sommaire(surface_page& page, surface_page& imprimante)
{
    const auto k = static_cast<std::size_t>(indice_catalogue());
    if (données.taille_sommaire[k] > 0)
        return std::nullopt;
    int taille = taille_sommaire_qui_tient(page, imprimante, true, taille_sommaire_automatique_max);
    place_sommaire place = place_sommaire::complète;
    if (taille == 0) {
        taille = taille_sommaire_qui_tient(page, imprimante, false, taille_sommaire_automatique_max);
        place = taille > 0 ? place_sommaire::sans_légende : place_sommaire::refusée;
    }
    taille_sommaire_retenue[k] = static_cast<float>(std::max(taille, 1));
    return place;
}

place_sommaire vérifie_sommaire(cible_page& c)
{
    surface_page& s = c.surface;
    // With no size chosen nobody is asked, unless the contents hold at no size.
    const std::optional<place_sommaire> automatique = retiens_taille_sommaire(s, c.imprimante);
    if (automatique && *automatique != place_sommaire::refusée)
        return *automatique;
    const double H = s.Height();
    const double a = ajustement_portrait(c);
    const double hs = hauteur_sommaire(s);
    const double hl = hauteur_légende(c.imprimante);
    // The size told is sought from just below the one in use.
    const int plus_petite = static_cast<int>(std::ceil(taille_page_de_titre())) - 1;
    place_sommaire place = place_sommaire::complète;
    if (!automatique && hs + hl >= H - 1400 + a) {
        const QString texte =
            QStringLiteral("La taille de la police choisie pour le sommaire et la légende est trop importante.") +
            crlf + QStringLiteral("Réduisez-là, ou choisissez d'imprimer en A4 portrait!") + crlf +
            taille_possible(taille_sommaire_qui_tient(s, c.imprimante, true, plus_petite), true) + crlf +
            QStringLiteral("Répondez OK pour essayer une impression sans la légende, ANNULER pour sortir.");
        if (MsgBox(texte, style_boîte::ok_annuler | style_boîte::information) == rép_annuler)
            return place_sommaire::refusée;
        place = place_sommaire::sans_légende;
    }
    if (hs + 300 >= H - 1400 + a) {
        MsgBox(QStringLiteral("La taille de la police choisie pour le sommaire seul est trop importante.") + crlf +
                   QStringLiteral("Réduisez-là, ou choisissez d'imprimer en A4 portrait!") + crlf +
                   taille_possible(taille_sommaire_qui_tient(s, c.imprimante, false, plus_petite), false) + crlf +
                   QStringLiteral("Vous pouvez aussi choisir d'utiliser un mombre moins important de rubriques."),
               style_boîte::information);
        if (annule_aperçu)
            annule_aperçu();
        return place_sommaire::refusée;
    }
    return place;
}

bool imprime_sommaire(cible_page& c, bool droite)
{
    const place_sommaire place = c.sommaire ? *c.sommaire : vérifie_sommaire(c);
    if (place == place_sommaire::refusée)
        return false;
    const données_sel& d = données;
    surface_page& s = c.surface;
    const auto k = static_cast<std::size_t>(indice_catalogue());
    const bool double_a5 = d.cat_format[k] == 1;
    const double W = s.Width() / (double_a5 ? 2 : 1);
    const double H = s.Height();
    const double x0 = double_a5 && droite ? c.imprimante.Width() / 2 : 0;
    const double m = d.cat_format[k] == 0 ? 1000 : 500;
    const double a = ajustement_portrait(c);
    const QString titre = titre_sommaire();

    // Room for the block, and for the legend under it.
    double hs = hauteur_sommaire(s);
    const bool sans_légende = place == place_sommaire::sans_légende;
    const bool légende = !sans_légende && H - 2000 > hs + 300;
    double décalage = 0;
    if (légende) {
        décalage = hauteur_légende(c.imprimante);
        hs += décalage;
    }
    const double y0 = H - décalage - 1600 + a > hs ? (H - décalage - hs + a) / 2 : 300;

    police_page police = police_catalogue(style_catalogue::sommaire);
    const double taille = taille_page_de_titre();
    police.taille = taille + 4;
    s.setPolice(police);
    s.setCurrentX(x0 + (W - s.TextWidth(titre)) / 2);
    s.setCurrentY(y0);
    s.Print(titre);
    s.Print();

    s.setFontSize(taille);
    const int numéro = d.cat_numéro[1];
    s.setCurrentX(x0 + (W - s.TextWidth(QStringLiteral("Numéro ") + QString::number(numéro) +
                                         QStringLiteral("du  ") + d.cat_date[1])) /
                           2);
    s.Print(QStringLiteral("Numéro "), false);
    s.Print(article_numérique(numéro), false);
    s.Print(QStringLiteral(" du  ") + d.cat_date[1]);
    s.Print();
    s.Print();

    s.setCurrentX(x0 + m);
    s.setFontSize(taille + 2);
    s.setFontUnderline(true);
    s.Print(QStringLiteral("SOMMAIRE"), false);
    s.setFontUnderline(false);
    // Measured on the printer in the font it has then: the heading's on paper.
    s.setCurrentX(x0 + W - 1000 - c.imprimante.TextWidth(QStringLiteral("pages=")));
    s.Print(QStringLiteral("Pages"));
    s.Print();

    s.setFontSize(taille);
    const double L = W - 1200 - m;
    double y = s.CurrentY();
    for (int i = 1; i <= max_rubriques; ++i) {
        const QString& nom = d.noms_rubriques[static_cast<std::size_t>(i * 10)];
        const int page = page_rubrique[static_cast<std::size_t>(i)];
        if (nom.isEmpty() || page == 0)
            continue;
        s.setCurrentX(x0 + m);
        const double h = imprime_paragraphe(s, nom, x0 + m, y, L);
        s.setCurrentX(x0 + W - 1400);
        s.Print(Format(page, QStringLiteral("#00")));
        y += h;
    }

    const double y_légende = plus_grand(s.CurrentY() + 300, H - 1400 - hauteur_légende(c.imprimante) + a);
    if (légende)
        imprime_légende(c, y_légende, droite);
    return true;
}
