#include "data/modele.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    initialise_paramètres();
    QMainWindow fenêtre;
    fenêtre.setWindowTitle(QStringLiteral("Trovane"));
    fenêtre.resize(800, 600);
    fenêtre.show();
    return app.exec();
}
