#pragma once
// One row of the catalogue grid drawn on a page: an offer or a request (its
// number, description, member, genre and public symbols), a section or
// sub-section title, an "Offre(s)"/"Demande(s)" label, an image, the legend;
// blank lines, free spaces and breaks draw nothing. The row is drawn from a
// top y, on the page that starts at x0 on the surface (0, or half the sheet
// for the right-hand page of a half-A4 sheet), and gives back the height it
// took, so that the page goes on below it. hauteur_ligne_catalogue
// (mesures.h) measures the same rows for the pagination.
#include "catalogue/cible_page.h"
#include "ui_common/grille.h"

// Row r of g, of kind `sorte` (its column 1), on the preview or on paper
// (aperçu_ligne_catalogue and imprime_ligne_catalogue are this procedure on
// the two surfaces). A cell that does not hold what the step needs (a blank
// code, a member number outside the table) leaves that step out.
double imprime_ligne_catalogue(cible_page& cible, const grille& g, int r, int sorte, double y, double x0);
