#pragma once
// The legend of the catalogue's symbols: a framed block headed
// "Signification des symboles utilisés:", then one line per named genre and
// per public symbol in use, the symbol then " = " and its meaning. It stands
// on the title page below the contents and wherever the catalogue holds a
// legend row. hauteur_légende (mesures.h) measures it.
#include "catalogue/cible_page.h"

// Draws the legend from y on the page of the given side (droite: the
// right-hand page of a half-A4 sheet) and returns the height of its lines
// plus 160 (aperçu_légende and imprime_légende are this procedure on the two
// surfaces). On paper the frame is drawn first, as high as the measured
// legend; on the preview last, around what was drawn.
double imprime_légende(cible_page& cible, double y, bool droite);
