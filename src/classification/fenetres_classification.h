#pragma once
// The classification editor "f_rubriques" and the propositions editor
// "f_base", registered with the program's windows at start-up.
#include <QString>
#include <functional>

class QPushButton;

// What the two windows use of subsystems that are built on top of this one:
// the main window's help pages and the supplement-mark resets of the member
// register. An entry left empty makes its menu item do nothing.
// Registers both windows.
void enregistre_fenêtres_classification();

// The picture of the buttons that go back to the main window.
void applique_image_retour(QPushButton& bouton);
