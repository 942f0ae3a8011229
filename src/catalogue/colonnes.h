#pragma once
// Where the printed catalogue puts an entry's number, child/adult symbol,
// description and member identifier across the page, and the four columns of
// the member-list pages, measured on the printer with the styles of the kind
// being prepared and for the chosen print format.
#include "ui_common/surface.h"

// Sets x_numéro, x_symbole, x_texte, x_identifiant (data), largeur_texte,
// largeur_identifiant and x_liste_adh1..4 (twips). Warns first when the
// requests style takes more than 200 twips more than the offers style on the
// same sample. With a print format other than 0 (A4 portrait) or 1 (half A4)
// only largeur_identifiant changes.
void calcule_colonnes_catalogue(surface_page& imprimante);
