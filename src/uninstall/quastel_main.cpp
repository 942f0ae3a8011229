// Quastel: the older uninstaller of Trovane. All its work is done before its
// window would be shown; the program then ends.
#include "uninstall/boites.h"
#include "uninstall/quastel.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    désinstallation::boîtes_qt b(QStringLiteral("Quastel"));
    quastel::Form_Load(désinstallation::chemin_application(), b);
    return 0;
}
