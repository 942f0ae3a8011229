#pragma once
// Every window of the program registered under its name, and the hooks
// between subsystems plugged in: what the executable does before it shows
// the main window (the tests of the whole program do the same).
void enregistre_toutes_les_fenêtres();

class F_vesk;
#include <functional>

// The whole run of the program: the application, its windows, the main
// window on the data file named on the command line, the message loop, and
// the windows still standing taken down before the application ends, so that
// no window outlives what it is drawn with. démarré runs once the main window
// is up (the tests script a session there). Returns the exit status.
int exécute_trovane(int& argc, char* argv[], const std::function<void(F_vesk&)>& démarré = {});
