#pragma once
// Cutting the composed catalogue grid into printed pages. One walk from top
// to bottom with the height used on the current page: a row that no longer
// fits, or a title or label that would stand too near the foot of a page or
// apart from the first entry under it, is preceded by an automatic page-break
// row (kind 9) whose height is the blank it leaves; a manual page break
// (kind 6) becomes the blank that ends its page. Then a closing break row,
// the pages of the member list, the blanking of repeated texts and the page
// counts. The page tables of grille_catalogue.h are the results.
#include "data/valeurs.h"
#include "ui_common/grille.h"
#include "ui_common/surface.h"

// Paginates g, measuring rows and the page on `imprimante` (its page height
// and orientation, its fonts). Always runs to its end.
void mise_en_page_catalogue(grille& g, surface_page& imprimante);

// Removes every automatic page-break row; manual breaks stay.
void enlève_sauts_automatiques(grille& g);

// Blank pages that complete the last sheet: to an even count for A4
// portrait, to a multiple of four for the half-A4 booklet, 0 for any other
// format.
int16 nombre_pages_blanches();
