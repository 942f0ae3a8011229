#pragma once
// The member-list pages that close a catalogue: under "Les adhérents :" (or
// "Les nouveaux adhérents :") one line per member of the catalogue's member
// list (liste_adh) with the member's number, the child or adult symbol, the
// identifier and two phones. The pagination has given every member its page
// (pages_liste_adhérents); a page draws the members of that page.
#include "catalogue/cible_page.h"

#include <QString>

// The heading of the first member-list page.
QString titre_liste_adhérents();

// Draws member-list page `page` on the given side (aperçu_liste_adhérents
// and imprime_liste_adhérents are this procedure on the two surfaces);
// nothing when the catalogue has no member list. On paper the heading is
// centred and every line numbered; on the preview the numbers follow the
// numbering option and the texts are trimmed.
void imprime_liste_adhérents(cible_page& cible, int page, bool droite);
