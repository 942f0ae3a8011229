#pragma once
// Lists that hold a whole association (thousands of members): filled in one
// go and laid out without measuring every entry, yet shown exactly as a list
// filled and measured entry by entry.
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

class QComboBox;
class QListWidget;

struct entrée_liste_longue {
    QString texte;
    QVariant valeur;  // kept under Qt::UserRole
};

// Empties the list and puts the entries in, in their order, or, when the list
// sorts itself (in ascending order), in French order (clé_à_la_française), as
// adding them one by one would place them (an entry that equals earlier ones
// comes before them); entries added later go to their places in that order
// too. The list's own signals stay silent.
void remplit_liste_longue(QListWidget& liste, const std::vector<entrée_liste_longue>& entrées);
// The same for a drop-down list, in the order given; as when its entries are
// added one by one, the first becomes the current one.
void remplit_liste_longue(QComboBox& liste, const std::vector<entrée_liste_longue>& entrées);

// Every entry of the list is one line of the list's font: the view takes one
// entry's size for all, with the width of the widest entry, so that the list
// scrolls as far as it would if each entry were measured.
void prépare_liste_longue(QListWidget& liste);

// The widest of n texts by the exact measure, for the price of measuring a
// few: each text i is first estimated by the sum of its characters'
// advances, and only those whose estimate comes near the widest are measured.
// chasse_fixe: a font whose characters all have one advance, without kerning.
// 0 when n is 0.
double largeur_la_plus_grande(int n, const std::function<QString(int)>& texte,
                              const std::function<qreal(QChar)>& avance, const std::function<double(int)>& exacte,
                              bool chasse_fixe = false);
