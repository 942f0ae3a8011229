#pragma once
// The catalogue grid on screen looks like the catalogue it stands for: each
// row takes the text style of its kind, layout rows the height they take on
// paper, and rows that stand for something other than text a background
// colour that tells them apart (titles red, images green or yellow, blank
// lines and free spaces cyan, page breaks blue, the legend red). Only the
// formatting changes: texts and row order stay.
#include "ui_common/grille.h"

// Formats every row below the heading by the text of its column 1 ("1",
// "2", ..., compared as text). Running it again gives the same grid.
void applique_styles_catalogue(grille& g);
