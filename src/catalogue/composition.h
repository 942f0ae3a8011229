#pragma once
// A catalogue page from its index: the member list when the page is one of
// the member-list pages, the title page when it is page 0 of a catalogue
// that has one, else the grid rows the pagination put on that page, one
// under the other from 500 twips; then the page number "- p -" at the foot
// (none on page 0). Pages are composed from the catalogue grid and the page
// tables (grille_catalogue.h); nothing is kept between two pages.
#include "catalogue/cible_page.h"
#include "ui_common/grille.h"

#include <QString>

// The number at the foot of page p.
QString texte_numéro_page(int p);

// Draws page p of the catalogue in g on one side of the sheet (droite: the
// right half of a half-A4 sheet), without clearing what the sheet holds:
// voir_page on the preview, imprime_page on paper. The number stands
// 1200 twips above the foot of a portrait sheet, 800 of a landscape one.
// False when the user refused a title page that does not fit; the page is
// then left undrawn.
bool imprime_page(cible_page& cible, const grille& g, int p, bool droite);

// The preview in reading order: clears the preview, then draws page p, or
// pages p and p + 1 side by side for a half-A4 catalogue. The number's
// height follows the format (a half-A4 sheet is landscape).
void aperçu_page(cible_page& cible, const grille& g, int p);
