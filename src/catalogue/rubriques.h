#pragma once
// The layout rows that stand between the sorted entries of the catalogue
// grid: at every change of section a blank line, the section's title (its
// name, or its image) and a blank line; at every change of sub-section a
// blank line and the sub-section's name, when sub-section titles are wanted;
// and, when labels are wanted, "Offre(s)" or "Demande(s)" wherever the
// entries pass from one kind to the other, after a half blank line unless a
// blank line is already there. Each inserted row carries the height that the
// pagination reserves for it.
#include "ui_common/grille.h"
#include "ui_common/surface.h"

// Works in place on a grid holding only sorted entries; run again, it would
// insert a second set. Titles and labels are measured on `imprimante`, which
// keeps the sections style afterwards. Stops early, keeping what it inserted,
// when arrêt_demandé is set, and then returns false.
bool insère_rubriques(grille& g, surface_page& imprimante);
