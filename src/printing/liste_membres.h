#pragma once
// Printing the member list grid as a document: the date at the top right,
// the association's header text or its logo at the top left, then the titled
// grid at a width chosen in millimetres, with optional rules, over-long cells
// cut or wrapped.
#include <QString>

class grille;
class surface_page;

// What sits at the top left of the list.
namespace entêtes_liste {
inline constexpr int texte = 0, logo = 1, rien = 2;
}

struct options_liste {
    QString titre;
    int choix_entête = entêtes_liste::texte;
    QString largeur_mm;  // as typed: "," or "." as decimal separator
    bool horizontales = false;
    bool verticales = false;
    bool tronquer = false;
};

// Prints the list on s and ends the document. The date and header come in
// the grid's font, shrunk as the grid would be to fit the page less 1200
// twips; the grid starts 2000 twips below them (below the logo, at 5680).
// A width that is not a number prints nothing: no page goes out without its
// grid. False then.
bool imprime_liste(surface_page& s, grille& g, const options_liste& o);

// The two width presets, as the width box shows them (millimetres, decimal
// comma, full precision): the grid's own width, within the accepted widths;
// and the widest list the page takes, its right margin as wide as its left
// one, which is also the width the box starts with.
QString texte_largeur_grille_mm(const grille& g, double largeur_page);
QString largeur_page_mm(double largeur_page);
// A typed width is accepted from 50 mm up to the page preset; a text that is
// not a number is refused.
bool largeur_acceptable(const QString& texte, double largeur_page);
