#pragma once
// The main window's "Catalogue" grid menu (m_cat): builds the catalogue or a
// supplement in the general grid from the offers and requests, inserts by
// hand the rows the build does not make (blank line, page break, free space,
// image, legend), deletes rows, paginates again, and copies, prints or saves
// the grid.
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QString>

class QMenu;

// Adds the fifteen items to menu (object names "m_cat_0" .. "m_cat_14"), each
// running m_cat_Click on the general grid; the legend item's caption gives
// the legend's height each time the menu opens.
void remplit_menu_catalogue(QMenu& menu);

// Item `index` on grid g, measuring and printing on `imprimante`.
void m_cat_Click(int index, grille& g, surface_page& imprimante);
// The same on the general grid and the printer.
void m_cat_Click(int index);

// Caption of the legend item: "Insérer la légende " and the height a legend
// row takes with the blank line before it, in millimetres.
QString titre_insère_légende(surface_page& imprimante);
