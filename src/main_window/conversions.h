#pragma once
// Rebuilding a table from the general grid, the reverse of the fills of
// vues_tables.h: the grid must hold the coded layout (or an imported table in
// that layout). Row i of the grid becomes entry i of the table's list and the
// count becomes the number of data rows; records no row names keep what they
// held. Nothing is written to disk and the grid is neither refilled nor
// redrawn: the caller does that.
//
// The whole grid is read and checked before anything is written. On the first
// fault (a decoded grid, too many rows, a slot or member number missing, out
// of range or repeated, a number, amount or date that does not read, a text
// the data file cannot hold) the user is told which row is at fault, the
// tables and the grid stay as they were, and the result is false.
#include "ui_common/grille.h"

#include <QString>

// Closes every refusal of a conversion.
inline const QString fin_refus_conversion =
    QStringLiteral("\r\nLa grille n'a pas été convertie, aucune donnée n'a été modifiée.");

// table_propositions from columns 1..10; every row is converted as written.
bool convertit_grille_offres(grille& gg);

// table_adhérents from columns 1..25, after removing the trailing empty rows
// (never row 1). civilité, photo and réservé keep what the record held; an
// empty date or criterion cell (columns 15 and 18) leaves its field as it was.
bool convertit_grille_adhérents(grille& gg);

// codes_classification, noms_rubriques and images_rubriques (sections only,
// and only when the grid has a column 3) from columns 1..3, after removing
// the trailing empty rows (never row 1).
bool convertit_grille_rubriques(grille& gg);
