#pragma once
// The classification editor "f_rubriques" and the propositions editor
// "f_base", registered with the program's windows at start-up.
// Registers both windows.
void enregistre_fenêtres_classification();

