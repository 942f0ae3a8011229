#pragma once
// The windows of the data store: the extraction from another data file
// "f_maj", the settings "f_options" and the archiving "f_archivage", all
// modal, registered with the program's windows at start-up.
#include <QString>

class QDialog;
class QMenuBar;
class QWidget;

// Registers the three windows.
void enregistre_fenêtres_données();

// The body of one of these windows: a menu bar over a panel on which the
// controls are placed.
QWidget* corps_fenêtre(QDialog& fenêtre, QMenuBar*& barre);
// Once the menus are in: the window gets the panel's designed size (pixels)
// under its menu bar.
void dimensionne(QDialog& fenêtre, const QMenuBar& barre, int largeur, int hauteur);
