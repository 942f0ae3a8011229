#pragma once
// The classification editor "f_rubriques" and the propositions editor
// "f_base", registered with the program's windows at start-up.
#include <QString>
#include <functional>

class QPushButton;

// What the two windows use of subsystems that are built on top of this one:
// the main window's help pages and the supplement-mark resets of the member
// register. An entry left empty makes its menu item do nothing.
struct services_classification {
    std::function<void(const QString&)> ouvre_aide;  // opens a help topic
    std::function<void()> enlève_additif_adhérents;
    std::function<void()> enlève_additif_offres_demandes;
};

// Registers both windows with the services they call.
void enregistre_fenêtres_classification(services_classification services = {});

// The services handed over at registration.
const services_classification& services_fenêtres_classification();

// The picture of the buttons that go back to the main window.
void applique_image_retour(QPushButton& bouton);
