#pragma once
// The dialog service on screen: message boxes with the classic button sets
// and their French texts, the input box, the file dialogs and the printer
// set-up. The rules that decide what a box shows are free functions, so that
// they can be checked without a screen.
#include "data/dialogues.h"

#include <QMessageBox>
#include <QString>
#include <vector>

struct bouton_boîte {
    QString texte;
    int réponse;  // réponse_boîte
};

// Buttons of a message-box style, from left to right.
std::vector<bouton_boîte> boutons_du_style(int style);
// Position of the default button: the first, or the second with 256 (the
// first again when the box has fewer buttons).
int bouton_par_défaut(int style);
// Answer given by Escape or the close box: Cancel where the box offers it,
// OK when it is the only button, 0 when the box insists on a choice.
int réponse_échappement(int style);
QMessageBox::Icon icône_du_style(int style);
// Extension added to a file name typed without one: that of the first
// pattern of the filter ("Trovane (*.sel)" gives "sel"); empty when the
// pattern names no single extension ("*", "*.*").
QString extension_du_filtre(const QString& filtre);

class dialogues_qt : public service_dialogues {
public:
    int message(const QString& texte, int style, const QString& titre) override;
    std::optional<QString> saisie(const QString& invite, const QString& titre, const QString& défaut) override;
    QString fichier_à_ouvrir(const QString& titre, const QString& départ, const QString& filtre) override;
    QString fichier_à_enregistrer(const QString& titre, const QString& départ, const QString& filtre) override;
    bool réglage_imprimante(QPrinter& imprimante) override;
};

// At program start, after the QApplication: every box and dialog of the run
// goes through dialogues_qt, and Qt's own dialog texts are French when the
// translation is installed.
void installe_dialogues_qt();
