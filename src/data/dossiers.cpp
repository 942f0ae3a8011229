#include "data/dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString dossier_fixé;
}

QString dossier_installation()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString dossier_programme()
{
    if (!dossier_fixé.isEmpty())
        return dossier_fixé;
    const QString env = qEnvironmentVariable("TROVANE_HOME");
    return env.isEmpty() ? dossier_installation() : QDir(env).absolutePath();
}

void fixe_dossier_programme(const QString& dossier)
{
    dossier_fixé = dossier.isEmpty() ? QString() : QDir(dossier).absolutePath();
}

QString chemin_programme(const QString& relatif) { return QDir(dossier_programme()).filePath(relatif); }

QString dans_dossier_programme(const QString& chemin)
{
    if (chemin.isEmpty())
        return {};
    const QString p = QDir::cleanPath(dossier_programme());
    const QString début = p.endsWith(QLatin1Char('/')) ? p : p + QLatin1Char('/');
    const QString absolu = QDir::cleanPath(QDir(p).absoluteFilePath(chemin));
    return absolu.startsWith(début) ? absolu : QString();
}

QString fichier_données_défaut() { return chemin_programme(QString::fromUtf8(nom_fichier_défaut)); }
QString fichier_repère() { return chemin_programme(QStringLiteral("repère/trovane.sel")); }
QString copie_départ() { return chemin_programme(QStringLiteral("archives/trovane.sel")); }

bool mêmes_chemins(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.exists() ? fa.canonicalFilePath() : QDir::cleanPath(fa.absoluteFilePath());
    const QString cb = fb.exists() ? fb.canonicalFilePath() : QDir::cleanPath(fb.absoluteFilePath());
    return ca == cb;
}

QString copie_du_programme(const QString& chemin)
{
    if (mêmes_chemins(chemin, fichier_repère()))
        return QStringLiteral("du point de repère");
    if (mêmes_chemins(chemin, copie_départ()))
        return QStringLiteral("de la copie de démarrage");
    return {};
}
