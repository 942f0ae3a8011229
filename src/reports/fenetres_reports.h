#pragma once
// The windows of the account reports, registered with the program's window
// registry at start-up.

// Registers the statement window "f_relevés_comptes" and the account-state
// window "f_états_comptes".
void enregistre_fenêtres_comptes_rendus();
