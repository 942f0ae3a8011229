#pragma once
// The label sheet as data: how many labels an A4 page holds across and down,
// the size of one label derived from the page, the margins, the start label,
// and where each label of a run lands. All lengths are printer twips, from
// the corner of the sheet; nothing here knows a window.
#include "ui_common/surface.h"

#include <QSizeF>
#include <QString>

// The output kinds of the labels panel (type_sortie).
namespace sorties {
inline const QString étiquette = QStringLiteral("étiquette");
inline const QString publipostage = QStringLiteral("publipostage");
inline const QString carte_adh = QStringLiteral("carte_adh");
inline const QString carte_id = QStringLiteral("carte_id");
}  // namespace sorties
bool est_carte(const QString& type_sortie);

inline constexpr int colonnes_min = 2, colonnes_max = 8;
inline constexpr int lignes_min = 4, lignes_max = 12;
// Ticking "Marges haut et bas de feuilles" takes this much from the top and
// from the bottom of the sheet; "Marges gauche droite" moves each label's
// text this much to the right and narrows it as much.
inline constexpr double marge_haut_bas = 300;
inline constexpr double retrait_marge_gd = 300;

struct feuille_étiquettes {
    int nb_colonnes = 3;
    int nb_lignes = 7;
    double largeur_page = largeur_a4;  // the printer's page
    double hauteur_page = hauteur_a4;  // taken when the window opened
    bool marges_gd = false;
    bool marges_hb = false;
    int colonne_départ = 0;  // start label, from 0
    int ligne_départ = 0;
};

double largeur_étiquette(const feuille_étiquettes& f);
double hauteur_étiquette(const feuille_étiquettes& f);
// Left edge of column c and top edge of row r, both counted from 1.
double x_étiquette(const feuille_étiquettes& f, int colonne);
double y_étiquette(const feuille_étiquettes& f, int ligne);

// Where the label of rank `rang` of a run goes (0 is the first member): the
// first one at the start label, then along the row, then down; a sheet full,
// the next page from its first label. Page from 0, column and row from 1.
struct place_étiquette {
    int page = 0;
    int colonne = 1;
    int ligne = 1;
    bool operator==(const place_étiquette&) const = default;
};
place_étiquette place_étiquette_de(const feuille_étiquettes& f, int rang);

// A new layout (clamped to 2..8 columns, 4..12 rows); the start label goes
// back to the first label, so that it always lies on the sheet.
void change_format(feuille_étiquettes& f, int colonnes, int lignes);
// The start label under a click at (x, y) on a picture of the sheet that is
// largeur x hauteur (any unit); a click on the far edge stays on the sheet.
void choisit_départ(feuille_étiquettes& f, double x, double y, double largeur, double hauteur);

// ---------------------------------------------------------------- one label
// The model beside the sheet shows labels at this scale (screen twips per
// printer twip): the labels frame less 800 twips holds half a page. Cards
// take their photo's size and place from it, as the model shows them.
inline constexpr double largeur_cadre_étiquettes = 6000;  // design twips
double échelle_aperçu(const feuille_étiquettes& f);

// The mailing block: 10 cm from the left, 4.5 cm from the top, 8 cm wide.
inline constexpr double x_publipostage = 5670;
inline constexpr double y_publipostage = 2550;
inline constexpr double largeur_publipostage = 4536;

// Width the text of one label, card or mailing block is wrapped to. A label's
// text keeps 450 twips clear of the next label (150 when the left margin
// moves it), so that it never runs into its neighbour.
double largeur_texte(const feuille_étiquettes& f, const QString& type_sortie);
// The card photo: its width, its top below the card's top, and the place of
// the card's text to the right of it.
double largeur_photo(const feuille_étiquettes& f);
double haut_photo(const feuille_étiquettes& f);
double x_texte_carte(const feuille_étiquettes& f);
// The empty frame standing for a missing photo is this much higher than wide.
inline constexpr double proportion_cadre_photo = 1.3;
