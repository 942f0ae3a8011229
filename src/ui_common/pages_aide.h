#pragma once
// The help: one HTML page per topic and per language, shown in the desktop's
// viewer, and the installation of the shipped pages at the very first start.
#include "data/dossiers.h"

#include <QString>

// The page that opens for a topic in the help language `langue_aide`:
// P/Aide/<langue_aide>/<sujet>.html, else the same ending in .htm (names
// compared without regard to case, as the pages are often edited by hand);
// empty when neither exists.
QString page_aide(const QString& sujet);

// Opens the topic's page with the desktop. A missing page or a missing
// language folder: nothing happens and nothing is said; a page the desktop
// cannot open: a box names its path.
void ouvre_aide(const QString& sujet);

// The help is still to be installed: P/Aide is missing (the program has never
// started in this folder), or the installation was cut short.
bool premier_démarrage();

// Installs the files shipped in `source` (the executable's folder): creates
// P/Aide, P/Aide/images, P/Aide/français and P/Aide/anglais, then copies
// F_<page>.html/.htm to Aide/français/<page>, A_<page> to Aide/anglais/<page>,
// the *.gif and *.jpg pictures to Aide/images and the *.eta selections to
// P/etats. Other files stay where they are. The first failure stops the
// installation with a message (what was done before stays) and gives false;
// the installation then counts as not done, until one goes through whole.
bool copie_aide(const QString& source = dossier_installation());

// Start-up, once the main window is shown: at the first start, installs the
// help and offers to open "Commencer avec Trovane".
void propose_aide_premier_démarrage(const QString& source = dossier_installation());
