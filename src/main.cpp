#include "main_window/f_vesk.h"
#include "programme.h"
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
    enregistre_toutes_les_fenêtres();
    // A data file named on the command line opens in the extraction window.
    const QStringList arguments = QCoreApplication::arguments();
    démarre_trovane(arguments.size() > 1 ? arguments.mid(1).join(QLatin1Char(' ')) : QString());
    return app.exec();
}
