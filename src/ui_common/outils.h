#pragma once
// Small helpers that the windows of every subsystem call: fitting a window
// designed for an 800 x 600 screen to the real screen, the common background
// picture, the larger and smaller of two values, the list entry of a
// section, and the letter-case cycle of an edit box.
#include "data/valeurs.h"

#include <QString>
#include <type_traits>

class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

// ---------------------------------------------------------------- screen fit
// Every window is designed for 12000 x 9000 twips (800 x 600 at 15 twips a
// pixel). The computation stands apart from the widgets, in twips and in
// single precision as the design sizes are.
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
// Fonts only shrink: below a font factor of 1 they become "Arial Narrow",
// not bold, whole part of (size x factor) + 1 points; otherwise unchanged.
police_contrôle police_adaptée(const police_contrôle& police, const facteurs_écran& f);

// Fits the window and its controls to the screen it stands on. Called from
// each window's load, before it is shown.
void adapte_feuille_écran(QWidget& feuille);
// The same for a screen of the given size in twips.
void adapte_feuille(QWidget& feuille, float largeur_écran, float hauteur_écran);

// ---------------------------------------------------------------- background
// Plain backgrounds chosen in the display options: no background picture.
extern bool fonds_unis;
// Lays P/Aide/images/fond.gif under the window unless fonds_unis; a missing
// picture leaves the background as it was.
void affiche_fond(QWidget& feuille);

// ---------------------------------------------------------------- min, max
// a when a is greater (smaller) than b, else b: on equality, b.
template <class A, class B>
std::common_type_t<A, B> plus_grand(const A& a, const B& b)
{
    if (a > b)
        return a;
    return b;
}
template <class A, class B>
std::common_type_t<A, B> plus_petit(const A& a, const B& b)
{
    if (a < b)
        return a;
    return b;
}

// ---------------------------------------------------------------- lists
// Index of the first entry whose item data (Qt::UserRole) is the section of
// code (code / 100); otherwise the message "Le code rubrique de cette
// proposition ne correspond pas à une classification." and -1.
int16 indice_rubrique_liste(const QComboBox& liste, int16 code);
int16 indice_rubrique_liste(const QListWidget& liste, int16 code);

// ---------------------------------------------------------------- letter case
// One cycle for the whole program, whatever box calls: upper case, lower
// case, capitalised words, then the text as it stood before the cycle.
struct cycle_casse {
    int16 mode = 0;  // next transformation: 0 upper, 1 lower, 2 capitals, 3 back
    QString texte_initial;
};
extern cycle_casse état_casse;

struct résultat_casse {
    QString texte;
    int début_sélection = 0;  // 0-based
    int longueur_sélection = 0;
};
// The computation: texte_boîte and its selection as the box holds them,
// texte the text the caller passes.
résultat_casse change_casse(const QString& texte_boîte, int début_sélection, int longueur_sélection,
                            const QString& texte);
// Shift+F3 in a name box: returns the new whole text, which the caller puts
// into the box; the changed part is selected once it has.
QString change_casse(QLineEdit& zone, const QString& texte);
