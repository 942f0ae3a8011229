#pragma once
// What every window reaches of the main window: its general grid gg (the
// program's working table, shown or hidden), its mode buttons, its caption.
// The main window plugs itself in at start-up; without it (tests, tools) the
// grid still exists and the rest does nothing.
#include "ui_common/grille.h"

#include <QString>
#include <functional>

class QWidget;

// The general grid.
grille& gg();

struct liens_principale {
    std::function<void(int)> clique_mode;        // selects mode button op(index) and runs its click
    std::function<void(const QString&)> titre;   // sets the caption
    std::function<QWidget*()> fenêtre;           // the main window itself
};
void branche_principale(liens_principale liens);

// Selects mode button op(index) (0, 1, 2, 4 or 5) as a click would.
void clique_op(int index);
// Caption of the main window.
void titre_principale(const QString& titre);
QWidget* fenêtre_principale_ouverte();

// Hook of the statistics subsystem: the quarterly snapshot, taken at exit and
// before an archiving lightens the data.
extern std::function<void()> crochet_évolution;
