#include "programme.h"

#include "accounts/fenetres_comptes.h"
#include "catalogue/fenetres_catalogue.h"
#include "classification/fenetres_classification.h"
#include "data_windows/fenetres_donnees.h"
#include "main_window/f_vesk.h"
#include "ui_common/dialogues_qt.h"
#include "ui_common/shell.h"
#include "members/fenetres_adherents.h"
#include "printing/fenetres_impression.h"
#include "reports/fenetres_reports.h"
#include "statistics/fenetres_statistiques.h"
#include "ui_common/principale.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <vector>

void enregistre_toutes_les_fenêtres()
{
    enregistre_fenêtres_adhérents();
    enregistre_fenêtres_comptes();
    enregistre_fenêtres_classification();
    enregistre_fenêtres_données();
    enregistre_fenêtres_statistiques(crochet_évolution);
    enregistre_fenêtres_catalogue();
    enregistre_fenêtres_comptes_rendus();
    enregistre_fenêtres_impression();
}

int exécute_trovane(int& argc, char* argv[], const std::function<void(F_vesk&)>& démarré)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    installe_dialogues_qt();
    installe_shell_bureau();
    enregistre_toutes_les_fenêtres();
    // A data file named on the command line opens in the extraction window.
    const QStringList arguments = QCoreApplication::arguments();
    F_vesk& principale = démarre_trovane(arguments.size() > 1 ? arguments.mid(1).join(QLatin1Char(' ')) : QString());
    if (démarré)
        démarré(principale);
    const int statut = app.exec();
    // The general grid lives as long as the program; the views that show it
    // go before the application does, whatever ended the loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<QPointer<QWidget>> restantes;
    for (QWidget* w : QApplication::topLevelWidgets())
        restantes.emplace_back(w);
    for (const QPointer<QWidget>& w : restantes)
        delete w.data();  // a window deleted with its owner is null by now
    return statut;
}
