#pragma once
// The catalogue as it is composed in the general grid: one grid row per
// printed line, in print order, tagged with its kind in column 1; the member
// list that goes with it; the page tables the pagination leaves for the
// layout and printing; and what the catalogue window shows of a run
// (progress, page counts). Everything here is memory only: a build makes it
// again from the tables.
#include "data/valeurs.h"
#include "ui_common/grille.h"

#include <QString>
#include <functional>
#include <vector>

// Columns of the catalogue grid (0 is the fixed column).
namespace col_cat {
inline constexpr int sorte = 1, code = 2, genre = 3, public_visé = 4, texte = 5, identifiant = 6, additif = 7,
                     emplacement = 8, num_adh = 9, date = 10, niveau = 11, clé = 12, cp = 13, rue = 14, ville = 15,
                     tel1 = 16, tel2 = 17, e_mail = 18, nombre = 19;
// Inserted rows keep their height in twips where an entry keeps its member.
inline constexpr int hauteur = identifiant;
}  // namespace col_cat

// Row kinds (column 1).
namespace sorte_ligne {
inline constexpr int offre = 1, demande = 2, rubrique = 3, sous_rubrique = 4, ligne_vide = 5, saut_manuel = 6,
                     espace = 7, image = 8, saut_auto = 9, label_offres = 10, label_demandes = 11, légende = 16;
}

// ---------------------------------------------------------------- cells
// A cell's number: blanks ignored, "," or "." as decimal separator; 0 when
// the text is not a number.
double valeur_cellule(const QString& texte);
// The text of a cell, empty outside the grid (a grid built with fewer
// columns reads as blank there).
QString cellule_catalogue(const grille& g, int r, int c);
// Kind of row r: column 1 read as a number, truncated; 0 when it is none.
int sorte_de(const grille& g, int r);
// The height a layout row keeps in column 6, in twips; 0 when the cell holds
// no number or one below zero, so that nothing is drawn above the row.
double hauteur_rangée(const grille& g, int r);
// A single-precision height or length as the grid shows it: up to seven
// significant digits, decimal comma ("226,8").
QString texte_réel(double v);

// ---------------------------------------------------------------- member list
// The members the catalogue prints, the catalogue window's `liste_adh`.
// Item 0 is a placeholder ("0", 0); items 1.. hold as text the member's
// position in the members' display order and as data its member number.
struct élément_liste_adh {
    QString texte;
    int données = 0;
};
extern std::vector<élément_liste_adh> liste_adh;
// Placeholder, then every member in display order.
void remplit_liste_adh();

// ---------------------------------------------------------------- what the window shows
struct affichage_catalogue {
    QString je_fais_quoi;    // lbl_je_fais_quoi: the step under way
    QString per_cent;        // lbl_per_cent: its progress
    QString nbr_pages;       // lbl_nbr_pages
    QString pages_blanches;  // lbl_pages_blanches
    bool pages_visibles = false;  // the page counts have been shown once
    bool aperçu_actif = false;    // bt_aperçu: a build has run
};
extern affichage_catalogue affichage_cat;
// Told when affichage_cat or liste_adh changed and the screen may repaint
// (the catalogue window listens while it is loaded).
extern std::function<void()> avis_affichage_catalogue;

// A long pass gives the screen a turn: the window repaints its progress and
// the message loop runs. At most a few times a second, so that the passes of
// a large catalogue do not spend their time repainting.
void cède_la_main();
// The same, now.
void cède_la_main_maintenant();

// ---------------------------------------------------------------- page tables
// Left by the pagination for the layout and printing. Each pagination starts
// them afresh, sized for its grid and its member list, so that nothing of an
// earlier catalogue is read back. Pages are numbered from 0.
extern int16 dernière_page_catalogue;
// Page of each grid row, by row index; grows with the break rows.
extern std::vector<int16> page_ligne_catalogue;
// First page of each section, by section number 0..50.
extern std::vector<int16> page_rubrique;
// Entry 0: the first page after the content pages; entry p: the page of the
// member at display position p (the text of its item in liste_adh), for
// positions 1 to nombre_adhérents.
extern std::vector<int16> pages_liste_adhérents;

// ---------------------------------------------------------------- layout positions
// Set by the column calibration with x_numéro, x_symbole, x_texte and
// x_identifiant of the data (twips).
extern float largeur_identifiant;
extern float largeur_texte;
extern float x_liste_adh1, x_liste_adh2, x_liste_adh3, x_liste_adh4;

// ---------------------------------------------------------------- what the main window lends
// The catalogue starts from the main window's fill of the offers and requests
// (coded or decoded) and shows its page counts on the main window too. The
// main window plugs these in at start-up; left empty, the grid is not filled
// and the counts stay on the catalogue window.
struct liens_catalogue {
    std::function<void(grille&, bool décodé)> affiche_offres_demandes;
    std::function<void(int pages, int pages_blanches)> affiche_pages;
};
void branche_catalogue(liens_catalogue liens);
const liens_catalogue& liens_cat();
