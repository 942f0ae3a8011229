#pragma once
// Where a work window opens over the main window. Without a window manager
// the user cannot move a window, so it opens where nothing of the main window
// shows half covered: each control the main window shows (a button, a label,
// a frame, a menu title) lies wholly under the work window or wholly beside
// it. The grid and the home picture are the main window's content: part of
// them may show.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The frame of a window of that size on the usable screen `écran`, over
// controls at `contrôles` (screen coordinates). Of the places where the
// window's edges run along the screen's edges or along a control's, the one
// that cuts the fewest controls, then keeps the window's size, then hides the
// fewest, then lies highest, then leftmost. A window that nearly spans the
// screen one way may be made to span it, when that cuts fewer controls.
QRect place_fenêtre_travail(const QSize& taille, const QRect& écran, const std::vector<QRect>& contrôles);
