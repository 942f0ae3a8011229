#pragma once
// The saved selections (P/etats/*.eta) as the windows that work on a set of
// members offer them: one menu item per file, rebuilt from the folder each
// time the menu opens, each item reading the very file it was made for.
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;

// In order of name: the name shown is the file name without its ".eta"
// (whatever its case), the path the file itself, so that "club.2023" and
// "club.2024" stay two items that each load their own file.
struct sélection_enregistrée {
    QString nom;
    QString chemin;
};
std::vector<sélection_enregistrée> sélections_enregistrées();

// The items of menu from index premier on become one per saved selection, in
// the order above, named "ext<index>"; what they held before goes (a file
// deleted since loses its item). Choosing one runs choisi(index).
void remplit_menu_sélections(QMenu& menu, std::map<int, QAction*>& items, int premier,
                             const std::function<void(int)>& choisi);
// The file the item at index reads; empty when there is no such item.
QString fichier_de_l_item(const std::map<int, QAction*>& items, int index);
