#pragma once
// The small "J'imprime" box that stands on screen during a long print run.
// Its "Annuler" button sets arrêt_demandé and closes the box; the run polls
// the flag between two printed items (letting events run first) and stops.
#include "ui_common/fenetres.h"

class QLabel;
class QPushButton;

class imprime : public fenêtre {
public:
    // The box of the program, created on first use. A cancelled box is
    // destroyed; the next call brings up a fresh one.
    static imprime& instance();
    // What a run does: show the box modeless at its start, hide it at the end
    // (hiding creates nothing when the box is gone).
    static void montre();
    static void cache();

    QLabel* page;
    QPushButton* Commande1;

    void Commande1_Click();

private:
    explicit imprime(QWidget* parent = nullptr);
    void Form_Load();
};
