#pragma once
// The statistics window "f_statistiques", registered with the program's
// windows at start-up.
#include <functional>

// Registers the window and points the hook crochet_évolution (principale.h)
// at enregistre_évolution.
void enregistre_fenêtres_statistiques(std::function<void()>& crochet_évolution);
