#include "support/dossier_test.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                      : qgetenv("QT_QPA_PLATFORM"));
    // The settings store and the program folder of a test run are throw-away.
    // Each test process has a store of its own: tests run side by side.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir exécution;
    QFile::setPermissions(exécution.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", exécution.path().toLocal8Bit());
    QApplication app(argc, argv);
    QTemporaryDir réglages;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, réglages.path());
    QApplication::setApplicationName(QStringLiteral("Trovane"));
    QApplication::setOrganizationName(QStringLiteral("Trovane"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
