#pragma once
// Small helpers that the windows of every subsystem call: fitting a window
// designed for an 800 x 600 screen to the real screen (adaptation_ecran.h),
// the common background picture, the larger and smaller of two values, the list entry of a
// section, and the letter-case cycle of an edit box.
#include "data/valeurs.h"
#include "ui_common/adaptation_ecran.h"

#include <QString>
#include <type_traits>

class QComboBox;
class QLineEdit;
class QListWidget;
class QWidget;

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
