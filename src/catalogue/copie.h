#pragma once
// The prepared catalogue as plain text for another program: one
// tab-separated line per grid row, each entry with its kind word, its
// description, its member and the member's second phone, each title on a line
// of its own, the "Offres" and "Demandes" labels, and an empty line of three
// TABs for every other row.
#include "ui_common/grille.h"

#include <QString>

// The text: lines joined by CR LF, nothing after the last one; empty for a
// grid without rows below the heading. Cells are taken as they stand.
QString texte_catalogue(const grille& g);

// Puts texte_catalogue(g) on the clipboard.
void copie_catalogue(const grille& g);
