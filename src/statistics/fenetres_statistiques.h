#pragma once
// The statistics window "f_statistiques", registered with the program's
// windows at start-up.
#include <functional>

// Registers the window and points the main window's hook crochet_évolution
// (the quarterly snapshot taken at exit) at enregistre_évolution.
void enregistre_fenêtres_statistiques(std::function<void()>& crochet_évolution);
