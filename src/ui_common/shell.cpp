#include "ui_common/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

class shell_inerte : public service_shell {
public:
    bool ouvre(const QUrl&) override { return false; }
};

class shell_bureau : public service_shell {
public:
    bool ouvre(const QUrl& adresse) override { return QDesktopServices::openUrl(adresse); }
};

shell_inerte inerte;
service_shell* installé = nullptr;

}  // namespace

service_shell& shell() { return installé ? *installé : inerte; }

void installe_shell(service_shell* service) { installé = service; }

void installe_shell_bureau()
{
    static shell_bureau bureau;
    installe_shell(&bureau);
}

QUrl adresse_shell(const QString& cible)
{
    // Two letters at least before the colon, so that a drive letter is not
    // taken for a scheme.
    static const QRegularExpression schéma(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    const QString c = cible.trimmed();
    if (c.isEmpty())
        return {};
    if (schéma.match(c).hasMatch())
        return QUrl(c, QUrl::TolerantMode);
    if (c.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + c, QUrl::TolerantMode);
    return QUrl::fromLocalFile(QFileInfo(c).absoluteFilePath());
}

bool ouvre_avec_shell(const QString& cible)
{
    const QUrl adresse = adresse_shell(cible);
    return adresse.isValid() && shell().ouvre(adresse);
}
