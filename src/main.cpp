#include "accounts/fenetres_comptes.h"
#include "catalogue/fenetres_catalogue.h"
#include "classification/fenetres_classification.h"
#include "data/fenetres/fenetres_donnees.h"
#include "main_window/f_vesk.h"
#include "members/fenetres_adherents.h"
#include "printing/fenetres_impression.h"
#include "reports/fenetres_reports.h"
#include "statistics/fenetres_statistiques.h"
#include "ui_common/dialogues_qt.h"
#include "ui_common/shell.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    installe_dialogues_qt();
    installe_shell_bureau();
    enregistre_fenêtres_adhérents();
    enregistre_fenêtres_comptes();
    enregistre_fenêtres_classification();
    enregistre_fenêtres_données();
    enregistre_fenêtres_statistiques(enregistre_évolution);
    enregistre_fenêtres_catalogue();
    enregistre_fenêtres_comptes_rendus();
    enregistre_fenêtres_impression();
    // A data file named on the command line opens in the extraction window.
    const QStringList arguments = QCoreApplication::arguments();
    démarre_trovane(arguments.size() > 1 ? arguments.mid(1).join(QLatin1Char(' ')) : QString());
    return app.exec();
}
