#pragma once
// Whether a window, as it stands on its screen, can be used: every control
// the user sees lies inside its window and the window inside the screen, no
// sibling covers it (the control is what a click on its middle reaches) and
// its caption fits in it for the font in use. Being visible is not enough: a
// button hidden under the grid is still visible for Qt.
#include <QString>
#include <QStringList>

class QWidget;

// One line a fault, naming the control ("op5 « Statistiques » : couvert par
// gg"); empty when the window is usable. Controls named in défilants are a
// page that scrolls under the window (larger than it by nature): they are
// not asked to fit.
QStringList défauts_d_affichage(QWidget& fenêtre, const QStringList& défilants = {});
