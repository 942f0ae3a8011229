#pragma once
// The title page of a catalogue or supplement: its title, the catalogue's
// number and date, "SOMMAIRE" with the "Pages" heading, every section of the
// catalogue with the page it starts on, and the symbol legend below when
// there is room; the block stands in the middle of the page's height.
// hauteur_sommaire (mesures.h) measures the block without the legend.
#include "catalogue/cible_page.h"

// The title: "Catalogue", or "Additif N° <n> au catalogue" for a supplement.
QString titre_sommaire();

// The largest whole size, at most jusqu_à, at which the title page of
// `page` holds the contents block with the legend (or alone, with the room
// the legend would leave), measured as the fit check measures; 0 when no size
// does.
int taille_sommaire_qui_tient(surface_page& page, surface_page& imprimante, bool avec_légende, int jusqu_à);

// With no contents size chosen, the title page takes the largest size, up to
// the largest the catalogue window offers, at which it holds the contents of
// the sections now in page_rubrique and the legend; else, the legend left
// out, the largest at which it holds them alone. The size goes into
// taille_sommaire_retenue (mesures.h), and what the page then holds is
// returned: refusée when the contents hold at no size. Nothing when the user
// has chosen a size.
inline constexpr int taille_sommaire_automatique_max = 20;
std::optional<place_sommaire> retiens_taille_sommaire(surface_page& page, surface_page& imprimante);

// Whether the title page fits the cible's page: when the block and the
// legend do not, the user may go on without the legend (OK) or give up
// (Cancel); when the block alone does not, the user is told and the preview
// closes (annule_aperçu).
place_sommaire vérifie_sommaire(cible_page& cible);

// Draws the title page on the given side (aperçu_sommaire and
// imprime_sommaire are this procedure on the two surfaces), after
// vérifie_sommaire unless the cible carries its answer; false, nothing
// drawn, when the title page was refused.
bool imprime_sommaire(cible_page& cible, bool droite);
