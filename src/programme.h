#pragma once
// Every window of the program registered under its name, and the hooks
// between subsystems plugged in: what the executable does before it shows
// the main window (the tests of the whole program do the same).
void enregistre_toutes_les_fenêtres();
