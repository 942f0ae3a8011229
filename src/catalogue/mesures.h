#pragma once
// Heights of what a catalogue page holds, measured on a page surface without
// drawing: a wrapped paragraph, one catalogue row, the title and contents
// block, the symbol legend; and the picture holder that section and image
// rows are loaded into. The pagination and the catalogue menu measure with
// them, and the page drawing measures the same way, so that what was counted
// is what gets printed.
#include "ui_common/grille.h"
#include "ui_common/surface.h"

#include <QImage>
#include <QString>
#include <array>

// Index of the settings pairs for the kind being prepared: 0 supplement,
// 1 catalogue (any other stored value counts as the catalogue).
int indice_catalogue();

// The five text styles of the catalogue, at index k. A contents size of 0
// is no size chosen (a new file's): the member list and the legend's font
// then take taille_sommaire_par_défaut, the title page the size that
// taille_page_de_titre gives.
enum class style_catalogue { offres, demandes, rubriques, sous_rubriques, sommaire };
police_page police_catalogue(style_catalogue style, int k = indice_catalogue());
inline constexpr float taille_sommaire_par_défaut = 12;

// Height of texte broken into lines narrower than largeur in the surface's
// current font (the breaking of imprime_paragraphe); draws nothing, moves
// nothing.
double hauteur_paragraphe(surface_page& surface, const QString& texte, double largeur);

// Height that row `ligne` of kind `sorte` takes on a catalogue page: an entry
// the taller of its wrapped description and identifier, a title or label one
// line of its style, a blank line hauteur_ligne_vide, section titles, free
// spaces, images and the legend their column 6; 0 for breaks and any other
// kind. Leaves the surface in the font it measured with.
float hauteur_ligne_catalogue(const grille& g, int ligne, int sorte, surface_page& surface);

// Height of the title and contents block (title, number line, heading and
// one wrapped line per section that has a first page), in the title page's
// size or at the size given.
float hauteur_sommaire(surface_page& surface);
float hauteur_sommaire(surface_page& surface, float taille);

// The contents size of the title page: the one chosen, else the one that
// retiens_taille_sommaire (sommaire.h) found for the sections being printed.
float taille_page_de_titre(int k = indice_catalogue());
extern std::array<float, 2> taille_sommaire_retenue;

// Height of the symbol legend: its heading, an empty line and one line per
// named genre and per public symbol, plus 160.
float hauteur_légende(surface_page& surface);

// Loads the picture of fichier (a stored path) into the holder and returns
// the width it takes when shown `hauteur` high; 0, the holder unchanged, when
// the name is blank or names no file; 0 and an empty holder when the file
// cannot be read as a picture, the user told why (a Windows metafile, which
// cannot be read here, is taken as missing).
float charge_image_rubrique(const QString& fichier, float hauteur);
// The picture last loaded (the catalogue window's Image1).
const QImage& image_rubrique();
