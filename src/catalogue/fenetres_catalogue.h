#pragma once
// The catalogue window "F_catalogue" and its preview "f_aperçu", registered
// with the program's windows at start-up; the main window's "Catalogue" grid menu (remplit_menu_catalogue)
// and what the main window lends the catalogue (branche_catalogue).
#include "catalogue/grille_catalogue.h"
#include "catalogue/menu_catalogue.h"

// Registers F_catalogue and the preview f_aperçu.
void enregistre_fenêtres_catalogue();
