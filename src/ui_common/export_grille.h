#pragma once
// Getting a grid out of the program: tab-separated text on the clipboard or
// in a file (the form the import reads back), and an HTML page.
#include "ui_common/grille.h"

#include <QString>

// Text of the block r1..r2 x c1..c2 (bounds included): each cell as it
// stands, cells separated by TAB, rows by CR LF, nothing after the last row.
QString texte_grille(const grille& g, int r1, int c1, int r2, int c2);

// The whole grid, fixed rows and columns included, onto the clipboard.
void copie_grille(grille& g);
// The selected block (Row..RowSel x Col..ColSel, in either direction).
void copie_sélection(grille& g);
// Asks for a file (offering nom_proposé in the program folder) and writes
// the grid from première_colonne on, in Windows-1252 and followed by CR LF.
// Cancelling writes nothing; a failed write keeps the former file and shows
// why.
void enregistre_grille(grille& g, const QString& nom_proposé, int première_colonne);

// Lower-case accented letters as HTML entities (é gives "&eacute;").
QString accents_en_html(const QString& texte);
// The HTML page of the grid. Empty colours give "#0000ff" and "#800080". In
// every row but the first, the cell of colonne_email (-1: none) becomes a
// mailto link. Texts show as typed: &, < and > are escaped, and so are double
// quotes inside attributes.
QString grille_en_html(const grille& g, const QString& titre, int espacement, int marge,
                       const QString& couleur_lien, const QString& couleur_visité, int colonne_email);
// Asks for a file and writes the page; a failed write offers to try again.
void enregistre_html(const QString& page);
