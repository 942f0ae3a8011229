// The program as its executable runs it, quitted one way once the main
// window is up: the way is the first argument, the program folder comes
// from TROVANE_HOME. The exit status is the program's.
#include "main_window/f_vesk.h"
#include "programme.h"
#include "ui_common/fenetres.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <cstring>
#include <string>

int main(int argc, char* argv[])
{
    const std::string façon = argc > 1 ? argv[1] : "";
    int n = 1;  // the way is not a data file to open
    return exécute_trovane(n, argv, [façon](F_vesk& f) {
        QTimer::singleShot(200, &f, [&f, façon] {
            f.op(1)->click();
            if (façon == "fenetres_ouvertes") {
                for (const char* nom : {"f_adhérents", "f_compta", "F_catalogue"})
                    montre_fenêtre(QString::fromUtf8(nom));
                f.op(5)->click();  // the statistics window
            }
            if (façon == "bouton" || façon == "fenetres_ouvertes") {
                f.bt_annuler->click();
            } else if (façon == "menu") {
                f.menu(QStringLiteral("quitter"))->trigger();
            } else if (façon == "case_de_fermeture") {
                // What the window manager's close box sends.
                QCloseEvent fermeture;
                QCoreApplication::sendEvent(f.windowHandle(), &fermeture);
            } else if (façon == "fin_de_session") {
                // The desktop ends the loop while the windows stand.
                QCoreApplication::quit();
            } else if (façon == "fin_de_boucle") {
                QCoreApplication::exit(0);
            } else {
                QCoreApplication::exit(3);
            }
        });
    });
}
