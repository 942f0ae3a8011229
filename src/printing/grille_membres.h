#pragma once
// The member list of the printing window: one grid row per member of the
// selection, one column per chosen field, rebuilt whole at every change. The
// same grid is printed, copied and exported.
#include <QString>
#include <QStringList>
#include <vector>

class grille;

// The kinds a column can show, in the choosers' order: "Num.", "Identifiant",
// "Tel 1", "Tel 2", three dates, "Civil.", the address, "mél", quality, the
// three criteria (titled as the association named them), balance, counts and
// volume.
inline constexpr int nombre_choix_colonnes = 21;
inline constexpr int choix_mél = 12;
inline constexpr int colonnes_liste_max = 9;
QStringList titres_colonnes();

// What a cell of the kind `choix` shows for member `numéro`: texts trimmed,
// dates short (empty when never set), amounts in the shown form, codes and
// counts as numbers. Empty for an unknown kind or member number.
QString contenu_colonne(int choix, int numéro);

// Rebuilds g: row 0 the titles of the chosen kinds, then one row per member
// in the given order; column widths fitted to the texts. Returns the index of
// the column showing e-mail addresses (the last one when several do), -1
// when none does.
int compose_grille(grille& g, const std::vector<int>& numéros, const std::vector<int>& choix);
