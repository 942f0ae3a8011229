#pragma once
// The catalogue build: from every offer and request to the catalogue grid
// and its member list, for the kind being prepared (type_catalogue: 0
// supplement, 1 catalogue). The grid is refilled from the tables, given the
// member columns, sorted, reduced to what the kind and the public select,
// then given its section rows, pages and styles.
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QString>

// The whole build, as the catalogue window's "Extraire" runs it; measures on
// `imprimante`. A failing step is reported (information box, with a hint at
// the printer and the fonts) and the build goes on with the next one. The
// preview is offered only when no pass was stopped on the way.
void prépare_catalogue(grille& g, surface_page& imprimante);

// Columns 13 to 18 of every row from the member named in column 9: postal
// code, street, town, two phones, e-mail, as stored (fixed widths).
void copie_colonnes_adhérents(grille& g);

// Sorts the entries by the sort option of the kind: by the classification at
// the chosen level, then by genre, kind, member or postal code; "Ne pas
// reclasser" (3) leaves the table's order.
void trie_catalogue(grille& g);

// Columns 11 (classification at the grouping level) and 12 (a copy of column
// `colonne`) of every row: the two sort keys.
void ajuster_niveau_rubrique(grille& g, int colonne);

// Keep the new and deleted entries (supplement), or the normal and new ones
// (catalogue); then drop from liste_adh the deleted and eliminated members,
// and all but the new ones when only new members are listed. An extraction
// that keeps nothing leaves one row with every cell empty. Each stops at once
// when arrêt_demandé is set, and then returns false.
bool extrait_additif(grille& g);
bool extrait_catalogue(grille& g);
// Adults or children only, as the public option says: entries whose marker
// is that public's symbol, members of that category.
bool extrait_adultes_enfants(grille& g);

// What the build adds to the text of a failure it reports.
extern const QString suite_erreur_catalogue;
