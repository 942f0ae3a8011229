#pragma once
// A new window's picture memory, made ready while the window is still being
// filled. The first paint of a window writes every pixel of a buffer that
// the system has only promised: each of its pages is then fetched at the
// first touch, which on some machines costs more than the paint itself. The
// pages are asked for ahead, on a thread of their own, while the window
// fills its lists; the window waits for them as it is shown, or when it goes
// without being shown.
class QWidget;

// For a window not shown yet, at the size it will be shown at, opened from
// another window; does nothing for the first window of the program, a window
// already shown or a control inside a window.
void prépare_mémoire_affichage(QWidget& feuille);
