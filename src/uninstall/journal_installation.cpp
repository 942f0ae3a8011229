#include "uninstall/journal_installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

namespace journal_installation {

using namespace désinstallation;

namespace {

bool dans(const QString& chemin, const QString& racine)
{
    return !racine.isEmpty() && chemin.startsWith(racine + QLatin1Char('/'));
}

// The first path of the log: the folder it was installed into.
QString dossier_installé(const QStringList& lignes)
{
    for (const QString& brute : lignes) {
        const QString ligne = brute.trimmed();
        if (!ligne.isEmpty() && !ligne.startsWith(QLatin1Char('#')))
            return ligne;
    }
    return {};
}

}  // namespace

QString chemin_journal(const QString& P) { return QDir(P).filePath(QStringLiteral("St5unst.log")); }

QString journal_absent(const QString& P)
{
    return QStringLiteral("Le fichier journal de la désinstallation (St5unst.log) n'a pas été trouvé ou n'existe "
                          "plus : les fichiers du programme restent dans ") +
           QDir::toNativeSeparators(P) +
           QStringLiteral(". Supprimez-les vous-même, en gardant vos données (trovane.sel) si vous en avez "
                          "besoin.");
}

QString ce_qui_reste(const QString& P)
{
    QStringList restes;
    for (const QString& nom :
         QDir(P).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name))
        restes << QDir(P).filePath(nom);
    if (restes.isEmpty())
        return QStringLiteral("Le dossier ") + QDir::toNativeSeparators(P) +
               QStringLiteral(" est vide : vous pouvez le supprimer.");
    return liste_chemins(QStringLiteral("Vos données restent dans ") + QDir::toNativeSeparators(P) +
                             QStringLiteral(" ; supprimez-les vous-même quand vous n'en aurez plus besoin :"),
                         restes);
}

std::vector<action> plan_journal(const QString& P, const QStringList& lignes)
{
    const QString racine = QDir::cleanPath(QDir(P).absolutePath());
    const QString racine_canonique = QFileInfo(P).canonicalFilePath();
    std::vector<action> plan;
    QStringList dossiers;
    QSet<QString> vus;
    for (const QString& brute : lignes) {
        const QString ligne = brute.trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        const QString chemin = QDir::cleanPath(QDir(racine).absoluteFilePath(ligne));
        if (chemin == racine || vus.contains(chemin))
            continue;
        vus.insert(chemin);
        if (!dans(chemin, racine)) {
            plan.push_back({opération::refus, chemin});
            continue;
        }
        if (!présent(chemin))
            continue;
        // A folder on the way that is a link would lead outside P.
        const QString parent = QFileInfo(QFileInfo(chemin).absolutePath()).canonicalFilePath();
        if (parent != racine_canonique && !dans(parent, racine_canonique)) {
            plan.push_back({opération::refus, chemin});
            continue;
        }
        const QFileInfo info(chemin);
        if (info.isDir() && !info.isSymLink())
            dossiers << chemin;
        else if (info.suffix().compare(QLatin1String("sel"), Qt::CaseInsensitive) != 0)
            plan.push_back({opération::supprime, chemin});
    }
    // A folder is empty only once what it holds has gone.
    std::stable_sort(dossiers.begin(), dossiers.end(),
                     [](const QString& a, const QString& b) { return a.count(QLatin1Char('/')) > b.count(QLatin1Char('/')); });
    for (const QString& d : dossiers)
        plan.push_back({opération::retire_dossier, d});
    return plan;
}

int désinstalle_selon_journal(const QString& P, const QString& journal, boîtes& b)
{
    if (const QString refus = refus_dossier_système(P); !refus.isEmpty()) {
        b.message(refus, style_boîte::ok + style_boîte::exclamation);
        return 1;
    }
    const QFileInfo info(journal);
    QFile fichier(journal);
    if (!info.isFile() || info.absoluteDir().canonicalPath() != QFileInfo(P).canonicalFilePath() ||
        !fichier.open(QIODevice::ReadOnly)) {
        b.message(journal_absent(P), style_boîte::ok);
        return 1;
    }
    const QStringList lignes = QString::fromUtf8(fichier.readAll()).split(QLatin1Char('\n'));
    fichier.close();
    // A folder copied or moved elsewhere keeps a log that speaks of another.
    const QFileInfo installé(dossier_installé(lignes));
    if (!installé.isAbsolute() || installé.canonicalFilePath() != QFileInfo(P).canonicalFilePath()) {
        b.message(QStringLiteral("Le fichier journal ") + QDir::toNativeSeparators(journal) +
                      QStringLiteral(" ne vient pas de l'installation de Trovane dans le dossier ") +
                      QDir::toNativeSeparators(P) + QStringLiteral(".") + crlf + rien_supprimé,
                  style_boîte::ok + style_boîte::exclamation);
        return 1;
    }
    // The same folder, spelt as the log spells it: through a link, the
    // program's own path may read differently.
    const auto plan = plan_journal(installé.absoluteFilePath(), lignes);

    if (plan.empty()) {
        QFile::remove(journal);
        b.message(QStringLiteral("Il ne reste plus rien à supprimer.") + crlf + ce_qui_reste(P),
                  style_boîte::ok + style_boîte::information);
        return 0;
    }
    if (b.message(QStringLiteral("Supprimer les fichiers de Trovane installés dans ") +
                      QDir::toNativeSeparators(P) + QStringLiteral(" ?"),
                  style_boîte::oui_non + style_boîte::question) != rép_oui)
        return 0;
    const auto échecs = exécute(plan, false);
    if (!échecs.empty()) {
        b.message(message_échecs(échecs),
                  style_boîte::ok + style_boîte::exclamation);
        return 1;
    }
    QFile::remove(journal);
    b.message(QStringLiteral("Les fichiers installés de Trovane ont été supprimés.") + crlf + ce_qui_reste(P),
              style_boîte::ok + style_boîte::information);
    return 0;
}

}  // namespace journal_installation
