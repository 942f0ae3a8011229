#pragma once
// Fitting a grid's columns to their texts, and the text measuring it uses.
#include "ui_common/grille.h"

#include <QFontMetricsF>
#include <QString>
#include <vector>

// Width of texts in twips on the screen, in one font: the sum of the
// characters' advances without kerning, as the classic TextWidth measures.
// Advances are kept once measured, so that measuring a whole grid is cheap.
class mesureur_texte {
public:
    explicit mesureur_texte(const police_grille& p);
    double largeur(QStringView texte);
    double largeur(const QString& texte) { return largeur(QStringView(texte)); }

private:
    QFontMetricsF métrique_;
    double twips_par_pixel_;
    std::vector<double> avances_;  // pixels by character code, negative until measured
};

// The font a grid's columns are measured in: the grid's font name and size,
// bold italic whatever the grid's own style.
police_grille police_de_mesure(const grille& g);

// Sets every column's width (fixed and hidden ones included) to the width of
// its widest cell text, leading and trailing blanks left out, plus the width
// of one "W", all measured in the grid's font name and size in bold italic.
void ajuste_grille(grille& g);
// Widens, as ajuste_grille would, only the columns too narrow for the texts
// of one row; the others keep their widths.
void élargit_pour_la_ligne(grille& g, int ligne);
// Widens every column that is narrower than that fit; wider ones keep their
// width. A grid that receives rows one by one shows its headers and texts
// whole without its columns jumping narrower.
void élargit_grille(grille& g);

// Height in twips of one line of text in that font on the screen, with a
// pixel to spare: a row at least this tall shows the text whole, at any
// scale the view draws it.
int hauteur_texte_écran(const police_grille& p);

// Sets every row to the height of one line of the grid's font, never below
// the default height: a font larger than the default one shows the accents
// of capitals whole. For a grid whose font the user chooses, after each fill
// or change of font.
void ajuste_hauteurs_lignes(grille& g);
