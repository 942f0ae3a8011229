#pragma once
// The whole program started on a made-up association's data file, every
// window registered, the general grid shown as it is until the user hides it;
// closed again after the test.
#include "data/fichier_donnees.h"
#include "main_window/f_vesk.h"
#include "programme.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPointer>

class programme_ouvert : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        enregistre_toutes_les_fenêtres();
        initialise_paramètres();
        remplit_association_essai(données, {120, 200, 300, 40});
        enregistrer_fichier(chemin("trovane.sel"), false);
        original = lit("trovane.sel");
        données = données_sel{};
        QDir().mkpath(chemin("Aide"));  // not a first start
        f = &démarre_trovane();
    }
    void TearDown() override
    {
        if (f)
            f->close();
        QApplication::processEvents();
        essai_dossier::TearDown();
    }
    QPointer<F_vesk> f;
    QByteArray original;  // the data file as the program found it
};
