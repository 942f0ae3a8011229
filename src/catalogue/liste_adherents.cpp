#include "catalogue/liste_adherents.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/mesures.h"
#include "data/modele.h"
#include "ui_common/impression_texte.h"
#include "ui_common/symboles.h"

#include <cmath>

namespace {

std::size_t kc() { return static_cast<std::size_t>(indice_catalogue()); }

// The member at display position n, when the position is in the table.
const adhérent* membre_à_la_position(int n)
{
    const données_sel& d = données;
    if (n < 1 || n > max_adhérents)
        return nullptr;
    const int numéro = d.table_adhérents[static_cast<std::size_t>(n)].ordre;
    if (numéro < 1 || numéro > max_adhérents)
        return nullptr;
    return &d.table_adhérents[static_cast<std::size_t>(numéro)];
}

void ligne_membre(cible_page& c, const adhérent& a, int numéro, double décalage)
{
    const données_sel& d = données;
    surface_page& s = c.surface;
    const police_page style = police_catalogue(style_catalogue::sommaire);
    s.setFontStrikethru(false);
    s.setCurrentX(x_liste_adh1 + décalage);
    if (c.papier() || d.cat_num_adh[kc()] == 1) {
        s.setFontSize(style.taille - 2);
        const QString n = QString::number(numéro);
        s.setCurrentX(x_liste_adh2 + décalage + s.TextWidth(QStringLiteral("9999")) - s.TextWidth(n));
        s.Print(n + QLatin1Char(' '), false);
    }
    s.setFontSize(style.taille);
    const double xs = s.CurrentX();

    s.setFontName(police_symboles());
    s.setFontItalic(false);
    switch (a.catégorie) {
    case 0: s.Print(glyphes_stockés(d.symbole_enfant) + QLatin1Char(' '), false); break;
    case 1: s.Print(glyphes_stockés(d.symbole_adulte) + QLatin1Char(' '), false); break;
    case 2: s.Print(QStringLiteral("  "), false); break;
    default: break;
    }
    // The identifier at the same place whatever the symbol.
    s.setCurrentX(xs + s.TextWidth(QStringLiteral("WI")));
    s.setFontName(style.nom);
    s.setFontItalic(style.italique);

    auto texte = [&](const QString& stocké) { return c.papier() ? stocké : stocké.trimmed(); };
    // A long identifier is shortened to end a blank before the telephone.
    const double place = x_liste_adh3 + décalage - s.CurrentX() - s.TextWidth(QStringLiteral(" "));
    s.Print(raccourci(s, texte(a.identifiant), place), false);
    s.setCurrentX(x_liste_adh3 + décalage);
    s.Print(texte(a.tel1), false);
    s.setCurrentX(x_liste_adh4 + décalage);
    s.Print(texte(a.tel2));
}

}  // namespace

QString titre_liste_adhérents()
{
    return données.cat_nouveaux_adhérents[kc()] == 1 ? QStringLiteral("Les nouveaux adhérents :")
                                                     : QStringLiteral("Les adhérents :");
}

void imprime_liste_adhérents(cible_page& c, int page, bool droite)
{
    const données_sel& d = données;
    const std::size_t k = kc();
    if (d.cat_liste_adhérents[k] == 0)
        return;
    surface_page& s = c.surface;
    police_page police = police_catalogue(style_catalogue::sommaire);
    const double taille = police.taille;
    police.taille = taille + 2;
    s.setPolice(police);
    const double décalage = droite ? s.Width() / 2 : 0;
    const double y0 = d.cat_format[k] == 1 ? 750 : 1050;

    if (page == pages_liste_adhérents[0]) {
        const QString titre = titre_liste_adhérents();
        const double largeur = d.cat_format[k] == 1 ? s.Width() / 2 : s.Width();
        s.setCurrentX(c.papier() ? (largeur - s.TextWidth(titre)) / 2 + décalage : x_liste_adh1 + décalage);
        s.setCurrentY(y0);
        s.Print(titre);
        s.setFontSize(taille);
        s.Print();
    } else {
        s.setFontSize(taille);
        s.setCurrentY(y0);
    }

    for (std::size_t i = 1; i < liste_adh.size(); ++i) {
        double v = 0;
        if (!lit_nombre(liste_adh[i].texte, v) || !std::isfinite(v))
            continue;
        const long n = std::lround(v);
        if (n < 1 || static_cast<std::size_t>(n) >= pages_liste_adhérents.size() ||
            pages_liste_adhérents[static_cast<std::size_t>(n)] != page)
            continue;
        if (const adhérent* a = membre_à_la_position(static_cast<int>(n)))
            ligne_membre(c, *a, d.table_adhérents[static_cast<std::size_t>(n)].ordre, décalage);
    }
}
