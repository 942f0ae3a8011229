#pragma once
// The grid menus of the main window: the Edition sub-menus of the offers and
// requests, the members, the classification and the account lines (also the
// grid's context menu), the printing items, the advanced import items and
// the purge. They sort the general grid, switch its form, delete lines and
// duplicates through the conversions, and pass the grid to the shared grid
// services; the computing they need is in the free procedures below.
#include "data/modele.h"
#include "ui_common/grille.h"

#include <QString>
#include <array>

class F_vesk;
class QAction;

// Fills and wires the sub-menus "&Base", "&Adhérents", "Rubriques" and
// "Comptes" of the window's Edition menu.
void crée_menus_grille(F_vesk& f);
// Item `index` of a menu array ("m_base", "m_adh", "madh", "m_rub", "m_cpt"),
// separators included; nullptr when there is none.
QAction* élément_menu(const F_vesk& f, const QString& tableau, int index);

// The offers/requests menu needs one row chosen: items 0 to 3 refuse a
// selection of several rows, and no item runs with the header row current
// in a grid that has more than one data row.
bool refuse_sélection_base(const grille& gg, int index);

// Removes the offers/requests rows that another row further down repeats
// (same designation, type, classification code and member number, texts
// compared exactly): of each set of duplicates the last one stays. Returns
// how many rows went.
int supprime_doublons(grille& gg);

// Captions of the five association accounts in the "Comptes" menu: the
// account's name, or "Inutilisé" (and the item disabled) when it has none.
struct titre_compte {
    QString titre;
    bool actif = false;
};
std::array<titre_compte, nombre_comptes_asso> titres_comptes_asso();

// Prints the general grid on the printer, as wide as the page allows, under
// the title, and ends the document.
void imprime_grille_générale(const QString& titre);

// Menu arrays.
void m_base_Click(F_vesk& f, int index);
void m_adh_Click(int index);
void madh_Click(F_vesk& f, int index);
void m_rub_Click(F_vesk& f, int index);
void m_cpt_Click(int index);

// Menus being opened.
void edition_Click(F_vesk& f);
void adhérents_Click(F_vesk& f);
void m_comptes_Click(F_vesk& f);
void options_Click(F_vesk& f);

// Single items. "Afficher la grille décodée" shows the table of the mode
// (offers and requests, members, classification, the 18 newest account
// lines); in the catalogue and statistics modes the grid stays as it is.
void grille_décodée_Click();
void copier_Click();
void ajust_Click();
void config_imprim_Click();
void Imprimer_la_grille_Click();
void purge_cat_Click();
void coller_dans_grille_Click(F_vesk& f);
void ouvrir_ascii_Click(F_vesk& f);
void récupérer_Click();
