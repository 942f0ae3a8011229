#include "uninstall/desinstallation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace désinstallation {

namespace {

std::filesystem::path chemin_système(const QString& chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

int numéro_de_errno(int e)
{
    switch (e) {
    case ENOENT: return erreur_fichier_introuvable;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY: return erreur_permission;
    default: return erreur_accès;
    }
}

int rend_ordinaire(const QString& chemin)
{
    struct stat s {};
    const QByteArray nom = QFile::encodeName(chemin);
    if (::lstat(nom.constData(), &s) != 0)
        return numéro_de_errno(errno);
    // A link has no attributes of its own; its target is not ours.
    if (S_ISLNK(s.st_mode))
        return 0;
    if (::chmod(nom.constData(), (s.st_mode & 07777) | S_IRUSR | S_IWUSR) != 0)
        return numéro_de_errno(errno);
    return 0;
}

// Through a temporary file beside the target, so that a failed copy leaves
// a file of that name whole.
int copie(const QString& source, const QString& cible)
{
    QFile entrée(source);
    if (!entrée.open(QIODevice::ReadOnly))
        return entrée.error() == QFileDevice::PermissionsError ? erreur_permission : erreur_fichier_introuvable;
    QSaveFile sortie(cible);
    if (!sortie.open(QIODevice::WriteOnly))
        return sortie.error() == QFileDevice::PermissionsError ? erreur_permission : erreur_accès;
    while (!entrée.atEnd()) {
        const QByteArray bloc = entrée.read(1 << 16);
        if (bloc.isEmpty() && entrée.error() != QFileDevice::NoError)
            return erreur_accès;
        if (sortie.write(bloc) != bloc.size())
            return erreur_accès;
    }
    return sortie.commit() ? 0 : erreur_accès;
}

int fait(const action& a)
{
    const QByteArray nom = QFile::encodeName(a.chemin);
    switch (a.op) {
    case opération::ordinaire: return rend_ordinaire(a.chemin);
    case opération::copie: return copie(a.chemin, a.cible);
    // unlink and rmdir never follow a link: a link goes, not its target.
    case opération::supprime: return ::unlink(nom.constData()) == 0 ? 0 : numéro_de_errno(errno);
    case opération::retire_dossier: return ::rmdir(nom.constData()) == 0 ? 0 : numéro_de_errno(errno);
    case opération::refus: return erreur_accès;
    }
    return erreur_accès;
}

QString chemin_canonique(const QString& chemin) { return QFileInfo(chemin).canonicalFilePath(); }

QSettings magasin()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Trovane"),
                     QStringLiteral("Trovane"));
}

}  // namespace

QString chemin_application()
{
    const QString env = qEnvironmentVariable("TROVANE_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

std::vector<échec> exécute(const std::vector<action>& actions, bool arrêt_première_erreur)
{
    std::vector<échec> échecs;
    for (const action& a : actions) {
        if (const int numéro = fait(a)) {
            échecs.push_back({a.op == opération::copie ? a.cible : a.chemin, numéro});
            if (arrêt_première_erreur)
                break;
        }
    }
    return échecs;
}

QStringList fichiers_listés(const QString& dossier)
{
    // System takes in broken links, which are files of the folder too.
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool présent(const QString& chemin)
{
    std::error_code ec;
    return std::filesystem::symlink_status(chemin_système(chemin), ec).type() !=
           std::filesystem::file_type::not_found;
}

void ajoute_dossier(std::vector<action>& plan, const QString& P, const QString& relatif,
                    const std::vector<opération>& traitement, const QString& préfixe_copie)
{
    const QString dossier = QDir(P).filePath(relatif);
    if (!présent(dossier))
        return;
    // A real folder of P: no link on the way from P to it.
    const QString attendu = QDir(chemin_canonique(P)).filePath(relatif);
    if (!QFileInfo(dossier).isDir() || chemin_canonique(dossier) != QDir::cleanPath(attendu)) {
        plan.push_back({opération::refus, dossier});
        return;
    }
    for (const QString& n : fichiers_listés(dossier)) {
        const QString fichier = QDir(dossier).filePath(n);
        for (const opération op : traitement)
            plan.push_back({op, fichier, op == opération::copie ? QDir(P).filePath(préfixe_copie + n) : QString()});
    }
    plan.push_back({opération::retire_dossier, dossier});
}

void ajoute_fichier(std::vector<action>& plan, const QString& P, const QString& nom,
                    const std::vector<opération>& traitement)
{
    const QString fichier = QDir(P).filePath(nom);
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(chemin_système(fichier), ec).type();
    if (type != std::filesystem::file_type::regular && type != std::filesystem::file_type::symlink)
        return;
    for (const opération op : traitement)
        plan.push_back({op, fichier});
}

QString fichier_réglages() { return magasin().fileName(); }

void efface_sections_réglages()
{
    QSettings s = magasin();
    for (const char* section : {"sel", "répertoires", "Utilisateur"})
        s.remove(QString::fromUtf8(section));
    s.sync();
}

void efface_clé_réglages()
{
    {
        efface_sections_réglages();
        QSettings s = magasin();
        s.clear();
        s.sync();
    }
    QFile::remove(fichier_réglages());
}

QString message_échecs(const std::vector<échec>& échecs)
{
    constexpr size_t montrés = 15;
    QStringList lignes{QStringLiteral("Ces fichiers et dossiers n'ont pas pu être supprimés :")};
    for (size_t i = 0; i < échecs.size() && i < montrés; ++i)
        lignes << QDir::toNativeSeparators(échecs[i].chemin);
    if (échecs.size() > montrés)
        lignes << QStringLiteral("et %1 autres").arg(échecs.size() - montrés);
    return lignes.join(crlf);
}

}  // namespace désinstallation
