#include "data/fichiers.h"

#include "data/dossiers.h"
#include "data/modele.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

QString description_erreur_fichier(const QString& chemin, bool écriture)
{
    const QFileInfo info(chemin);
    const QString nom = QDir::toNativeSeparators(chemin);
    if (!écriture) {
        if (!info.exists())
            return QStringLiteral("Fichier introuvable (%1)").arg(nom);
        if (info.isDir())
            return QStringLiteral("%1 est un dossier, pas un fichier").arg(nom);
        if (!info.isReadable())
            return QStringLiteral("Accès refusé en lecture (%1)").arg(nom);
        return QStringLiteral("Erreur de lecture (%1)").arg(nom);
    }
    const QFileInfo dossier(info.absolutePath());
    if (!dossier.exists())
        return QStringLiteral("Dossier introuvable (%1)").arg(QDir::toNativeSeparators(info.absolutePath()));
    if (!dossier.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("Accès refusé en écriture (%1)").arg(nom);
    return QStringLiteral("Erreur d'écriture, le disque est peut-être plein (%1)").arg(nom);
}

bool écrit_fichier_sûr(const QString& chemin, const QByteArray& octets, QString& erreur)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size() || !f.commit()) {
        f.cancelWriting();
        erreur = description_erreur_fichier(chemin, true);
        return false;
    }
    return true;
}

std::optional<QByteArray> lit_fichier(const QString& chemin, QString& erreur)
{
    QFile f(chemin);
    if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly)) {
        erreur = description_erreur_fichier(chemin, false);
        return std::nullopt;
    }
    QByteArray octets = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        erreur = description_erreur_fichier(chemin, false);
        return std::nullopt;
    }
    return octets;
}

bool copie_fichier_sûre(const QString& source, const QString& cible, QString& erreur)
{
    if (mêmes_chemins(source, cible))
        return true;
    const auto octets = lit_fichier(source, erreur);
    return octets && écrit_fichier_sûr(cible, *octets, erreur);
}

QString trouve_sans_casse(const QString& dossier, const QString& nom)
{
    const QDir d(dossier);
    if (d.exists(nom))
        return d.filePath(nom);
    const QStringList fichiers = d.entryList(QDir::Files | QDir::Hidden);
    for (const QString& f : fichiers)
        if (f.compare(nom, Qt::CaseInsensitive) == 0)
            return d.filePath(f);
    return {};
}

QString trouve_fichier_stocké(const QString& stocké)
{
    const QString nom = stocké.trimmed();
    if (nom.isEmpty())
        return {};
    if (QFileInfo(nom).isFile())
        return nom;
    const QString barres = QString(nom).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QFileInfo(barres).isFile())
        return barres;
    if (QFileInfo(barres).isRelative() && QFileInfo(chemin_programme(barres)).isFile())
        return chemin_programme(barres);
    const QString fichier = barres.section(QLatin1Char('/'), -1);
    if (fichier.isEmpty())
        return {};
    const QString dossiers[] = {chemin_programme(QStringLiteral("images")), chemin_programme(QStringLiteral("photos")),
                                QString(données.dossier_images).replace(QLatin1Char('\\'), QLatin1Char('/')),
                                dossier_programme()};
    for (const QString& dossier : dossiers) {
        if (dossier.isEmpty())
            continue;
        const QString trouvé = trouve_sans_casse(dossier, fichier);
        if (!trouvé.isEmpty())
            return trouvé;
    }
    return {};
}
