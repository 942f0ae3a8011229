#include "catalogue/composition.h"

#include "catalogue/grille_catalogue.h"
#include "catalogue/ligne_catalogue.h"
#include "catalogue/liste_adherents.h"
#include "catalogue/mesures.h"
#include "catalogue/sommaire.h"
#include "data/modele.h"
#include "ui_common/sablier.h"

namespace {

std::size_t kc() { return static_cast<std::size_t>(indice_catalogue()); }

bool page_liste_adhérents(int p)
{
    return données.cat_liste_adhérents[kc()] == 1 && p >= pages_liste_adhérents[0];
}

bool page_sommaire(int p) { return données.cat_sommaire[kc()] == 1 && p == 0; }

// The rows of page p, from y = 500, each below the one before.
void lignes_de_la_page(cible_page& c, const grille& g, int p, double x0)
{
    double y = 500;
    const int fin = std::min<int>(g.Rows(), static_cast<int>(page_ligne_catalogue.size()));
    for (int r = 1; r < fin; ++r)
        if (page_ligne_catalogue[static_cast<std::size_t>(r)] == p)
            y += imprime_ligne_catalogue(c, g, r, sorte_de(g, r), y, x0);
}

// False when the title page was refused.
bool contenu(cible_page& c, const grille& g, int p, bool droite)
{
    if (page_liste_adhérents(p))
        imprime_liste_adhérents(c, p, droite);
    else if (page_sommaire(p))
        return imprime_sommaire(c, droite);
    else
        lignes_de_la_page(c, g, p, droite ? c.surface.Width() / 2 : 0);
    return true;
}

void police_numéro(cible_page& c)
{
    police_page police = police_catalogue(style_catalogue::offres);
    police.gras = police.italique = false;
    if (c.papier())
        police.taille -= 2;
    c.surface.setPolice(police);
}

void numéro(cible_page& c, int p, bool droite, bool paysage)
{
    surface_page& s = c.surface;
    const double W = s.Width();
    const double d = données.cat_format[kc()] == 1 ? 4 : 2;
    s.setCurrentX((W - 1000) / d + 500 + (droite ? W / 2 : 0));
    s.setCurrentY(s.Height() - (paysage ? 800 : 1200));
    s.Print(texte_numéro_page(p), false);
}

}  // namespace

QString texte_numéro_page(int p) { return QStringLiteral("- ") + QString::number(p) + QStringLiteral(" -"); }

bool imprime_page(cible_page& c, const grille& g, int p, bool droite)
{
    sablier attente;
    if (!contenu(c, g, p, droite))
        return false;
    police_numéro(c);
    if (p > 0)
        numéro(c, p, droite, c.imprimante.Orientation() == QPageLayout::Landscape);
    return true;
}

void aperçu_page(cible_page& c, const grille& g, int p)
{
    sablier attente;
    c.surface.KillDoc();
    const bool double_a5 = données.cat_format[kc()] == 1;
    if (double_a5) {
        contenu(c, g, p, false);
        contenu(c, g, p + 1, true);
        police_numéro(c);
        numéro(c, p + 1, true, true);
        if (p > 0)
            numéro(c, p, false, true);
        return;
    }
    if (page_sommaire(p)) {
        imprime_sommaire(c, false);
    } else {
        if (page_liste_adhérents(p))
            imprime_liste_adhérents(c, p, false);
        lignes_de_la_page(c, g, p, 0);
    }
    police_numéro(c);
    if (p > 0)
        numéro(c, p, false, false);
}
