#pragma once
// The printing window "f_impression" in the window registry.
void enregistre_fenêtres_impression();
