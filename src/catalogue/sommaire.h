#pragma once
// The title page of a catalogue or supplement: its title, the catalogue's
// number and date, "SOMMAIRE" with the "Pages" heading, every section of the
// catalogue with the page it starts on, and the symbol legend below when
// there is room; the block stands in the middle of the page's height.
// hauteur_sommaire (mesures.h) measures the block without the legend.
#include "catalogue/cible_page.h"

// The title: "Catalogue", or "Additif N° <n> au catalogue" for a supplement.
QString titre_sommaire();

// Draws the title page on the given side (aperçu_sommaire and
// imprime_sommaire are this procedure on the two surfaces). When the block
// and the legend do not fit, the user may go on without the legend (OK) or
// draw nothing (Cancel); when the block alone does not fit, the user is told,
// the preview closes (annule_aperçu) and nothing is drawn.
void imprime_sommaire(cible_page& cible, bool droite);
