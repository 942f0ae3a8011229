#pragma once
// The windows of the exchange accounts, registered with the program's window
// registry at start-up.

// Registers the exchange window under the name "f_compta".
void enregistre_fenêtres_comptes();
