#pragma once
// Bringing a table kept in another tool into the program: a tab-separated
// text (pasted or read from a file) is poured into the general grid in the
// coded layout of the table it fills, prepared (title row, member defaults,
// links between offers, members and the classification), and converted into
// that table once the user agrees. Everything here works on a grid and the
// shared tables; the main window's menu items only call it.
#include "ui_common/grille.h"

#include <QString>
#include <functional>
#include <optional>

// The three tables an import can fill, and the mode_grille that shows each.
enum class table_importée { offres, adhérents, rubriques };
std::optional<table_importée> table_du_mode(const QString& mode);
// Columns of the table's coded layout, column 0 included.
int colonnes_table(table_importée table);

// Where the text came from; the wording of the messages follows it.
enum class provenance_import { presse_papiers, fichier };

// Text of the clipboard: strict UTF-8 when its bytes are valid UTF-8,
// Windows-1252 otherwise.
QString texte_presse_papiers();
// Asks for a tab-separated file through dialogue1 and returns its text
// (decoded as above); "" when cancelled or unreadable (the user is told why).
QString ouvrir_fichier_txt();

// Empties the grid and gives it the table's columns, a blank header row and
// one row per line of the text, the line's cells from column 1 on; cells
// beyond the last column are dropped. Lines may end with CR LF or LF, the
// last one with nothing. The grid's form becomes importée. Returns the
// number of cells of the widest line.
int remplit_grille_texte(grille& gg, const QString& texte, int colonnes);

// Prepares an imported grid for its conversion: trailing empty rows go,
// a title row goes when the user says so, members get their defaults (in
// empty cells only: category 1, quality 2, balance solde_départ, ...),
// offers and requests get their member numbers and identifiers, their codes
// in place of section names, their slots and today's date. Asks and tells
// the user. With identifiants_des_lignes_sans_numéro (a pasted table), the
// rows without a valid member number are looked up by their identifier even
// when the member key is the number.
void affecte_indices(grille& gg, table_importée table, bool identifiants_des_lignes_sans_numéro = false);

// Member key of an offers grid: which of the member number (column 9) and
// the identifier (column 6) is filled the most, and whether on every row.
enum class clé_adhérent { numéro, numéro_incomplet, identifiant, identifiant_incomplet };
clé_adhérent clé_identifiant(const grille& gg);
// Classification column (2): identifiant when filled on every row.
clé_adhérent clé_numéro(const grille& gg);

// Several member numbers in one cell of column 9, separated by commas: the
// row keeps the last one and a copy of it is appended for each other one.
void éclate_numéros_adhérents(grille& gg);
// Column 6 := the identifier of the member numbered in column 9 (after the
// split above); rows without a valid member number are left alone.
void affecte_identifiants(grille& gg);
// Rows whose column 9 does not name a listed member: column 9 := the number
// of the one listed member whose identifier is the one of column 6 (blanks
// around left out, case counts). A row that names a listed member keeps it;
// no match, or no identifier, leaves the row alone; so does an identifier
// that several members share, never guessed: the user is told which ones.
void retrouve_num_adhérents(grille& gg);
// Column 2 := the code_rubrique of the first classification entry named as
// the cell; a cell no entry names stays as it is.
void affecte_noms_rubriques(grille& gg);

// The whole road from a text to a prepared grid: quotes replaced, split,
// prepared (for a pasted offers table, see identifiants_des_lignes_sans_numéro
// above). True when the user then asks to
// convert at once; the question gives the text's column count when it is
// not the table's.
bool importe_texte(grille& gg, table_importée table, const QString& texte, provenance_import provenance);

// Converts the grid into the table shown in mode `mode` after the user's
// confirmations, then refills the grid in its coded form. Refuses, with a
// message, a mode without table, a grid that does not hold that table's
// layout and classification codes above 499; the conversion's own refusals
// leave everything as it was. A member balance that the conversion changes
// is not simply set: the change is posted, in two account lines "Solde
// importé" dated today, between the member and the association account
// debited for new members (compte_asso_débité), so that the sum of all
// balances stays as it was; when no such account is named, or the lines
// cannot be posted, nothing changes. True when the table changed; the
// tables are then marked as changed and not saved. avant_conversion runs once
// everything is confirmed, just before the tables change; false stops there.
bool récupère_grille(grille& gg, const QString& mode, const std::function<bool()>& avant_conversion = {});
