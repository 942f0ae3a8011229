#pragma once
// Fitting a window designed for an 800 x 600 screen to the screen it stands
// on. One rule places every control, at start-up and after every resize of
// the window alike: a control stands where the design puts it, scaled by how
// much its container has grown or shrunk since the design (across and down
// apart), and its font, its picture and the grid it shows scale by the
// smaller of the two, so that captions keep fitting the controls that carry
// them. The window is sized for the screen, never beyond it.
#include <QString>

class QRect;
class QWidget;

// ---------------------------------------------------------------- computing
// The design is 12000 x 9000 twips (800 x 600 pixels at 96 dots per inch,
// 15 twips a pixel). The
// computation stands apart from the widgets, in twips and in single
// precision as the design sizes are.
inline constexpr float largeur_conception = 12000;
inline constexpr float hauteur_conception = 9000;

struct facteurs_écran {
    float horizontal = 1;
    float vertical = 1;
    float police = 1;  // the smaller of the two
    // A screen exactly as wide as the design leaves every window as it is.
    bool inchangé() const { return horizontal == 1.0f; }
};
facteurs_écran facteurs_pour_écran(float largeur_écran, float hauteur_écran);

struct cadre_twips {
    float gauche = 0, haut = 0, largeur = 0, hauteur = 0;
};
// The window's new size: grown or shrunk by the factors but never beyond the
// screen; a maximised window keeps its size.
cadre_twips taille_feuille_adaptée(const cadre_twips& feuille, bool maximisée, const facteurs_écran& f,
                                   float largeur_écran, float hauteur_écran);
// A control's place and size, scaled as computed (no rounding here).
cadre_twips cadre_contrôle_adapté(const cadre_twips& contrôle, const facteurs_écran& f);

struct police_contrôle {
    QString nom;
    double taille = 0;  // points
    bool gras = false;
};
// Fonts follow the font factor. Below 1 they become "Arial Narrow", not
// bold, whole part of (size x factor) + 1 points, which keeps small text
// readable; from 1 up they keep their face and grow with the controls.
police_contrôle police_adaptée(const police_contrôle& police, const facteurs_écran& f);

// ---------------------------------------------------------------- windows
// Sizes the window for the screen it stands on, and from then on keeps every
// control placed and scaled by the rule above, after any resize and when the
// window is shown (a window whose frame would leave the screen is reduced
// and moved to fit). Called from each window's load, before it is shown;
// what the window holds then is its design. The screen is measured in twips
// at its own resolution: on a screen of more dots per inch, where a point
// takes more pixels, the fonts grow less than the controls in pixels, so
// that they keep to them as on the design.
void adapte_feuille_écran(QWidget& feuille);
// The same for a screen of the given size in twips, at the given twips per
// pixel (15: 96 dots per inch, as the design).
void adapte_feuille(QWidget& feuille, float largeur_écran, float hauteur_écran,
                    float twips_par_pixel_écran = 15);

// A control that the program moves or sizes once the window is built: its new
// place in pixels of the design, shown at the window's current scale now and
// after every resize.
void place_contrôle(QWidget& contrôle, const QRect& conception);
// Its place in the design (its geometry while the window is not fitted).
QRect place_conception(const QWidget& contrôle);
// A control the window places itself from its own size (a page shown at its
// real size that scrolls, a scroll bar along an edge): the rule leaves its
// place alone.
void placé_par_la_fenêtre(QWidget& contrôle);
// The font factor of the window now: 1 as designed.
double échelle_polices(const QWidget& feuille);
