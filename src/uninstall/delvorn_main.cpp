// Delvorn: the full uninstaller of Trovane. Started as `delvorn -n <log>`,
// it plays the platform's setup uninstaller that it hands over to.
#include "uninstall/boites.h"
#include "uninstall/delvorn.h"
#include "uninstall/fenetre_delvorn.h"
#include "uninstall/journal_installation.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString P = désinstallation::chemin_application();
    désinstallation::boîtes_qt b(QStringLiteral("Delvorn"));

    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("-n"))
        return journal_installation::désinstalle_selon_journal(P, arguments.at(2), b);

    // A folder that is not Trovane's is refused before anything is offered.
    if (désinstallation::refuse_dossier(P, b))
        return 1;
    désinstallation::lanceur_qt l;
    delvorn::Form1 fenêtre({P, b, l});
    fenêtre.show();
    return app.exec();
}
