#include "uninstall/desinstallation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <algorithm>
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
    // QSaveFile writes through a link: one of that name goes first, as a
    // link, and nothing but a plain file is written over.
    struct stat s {};
    const QByteArray nom_cible = QFile::encodeName(cible);
    if (::lstat(nom_cible.constData(), &s) == 0) {
        if (S_ISLNK(s.st_mode)) {
            if (::unlink(nom_cible.constData()) != 0)
                return numéro_de_errno(errno);
        } else if (!S_ISREG(s.st_mode)) {
            return erreur_accès;
        }
    } else if (errno != ENOENT) {
        return numéro_de_errno(errno);
    }
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
    case opération::garde: return 0;
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

QString refus_dossier_système(const QString& P)
{
    const QString dossier = chemin_canonique(P);
    if (dossier.isEmpty())
        return {};
    const QString montré = QDir::toNativeSeparators(dossier);
    const QString fin = QStringLiteral(" : Trovane ne s'y désinstalle pas.") + crlf + rien_supprimé;
    if (QDir(dossier).isRoot())
        return QStringLiteral("Le dossier ") + montré + QStringLiteral(" est la racine du système") + fin;
    const QString maison = chemin_canonique(QDir::homePath());
    if (maison == dossier)
        return QStringLiteral("Le dossier ") + montré + QStringLiteral(" est votre dossier personnel") + fin;
    if (maison.startsWith(dossier + QLatin1Char('/')))
        return QStringLiteral("Le dossier ") + montré + QStringLiteral(" contient votre dossier personnel") + fin;
    return {};
}

QString refus_dossier(const QString& P)
{
    if (QString refus = refus_dossier_système(P); !refus.isEmpty())
        return refus;
    // The files themselves, not links to them: a link proves nothing of P.
    const auto tient = [&P](const char* nom) {
        const QFileInfo f(QDir(P).filePath(QString::fromUtf8(nom)));
        return f.isFile() && !f.isSymLink();
    };
    if (tient("trovane") || tient("trovane.sel"))
        return {};
    return QStringLiteral("Le dossier ") + QDir::toNativeSeparators(P) +
           QStringLiteral(" n'est pas celui de Trovane : il ne contient ni le programme trovane ni le fichier de "
                          "données trovane.sel.") +
           crlf + rien_supprimé;
}

bool refuse_dossier(const QString& P, boîtes& b)
{
    const QString refus = refus_dossier(P);
    if (refus.isEmpty())
        return false;
    b.message(refus, style_boîte::ok + style_boîte::exclamation);
    return true;
}

QStringList fichiers_de_trovane(const QString& relatif)
{
    // The data file's copies (start-up, archives, restore point) and the
    // balances written beside them.
    if (relatif == QLatin1String("archives") || relatif == QStringLiteral("repère"))
        return {QStringLiteral("*.sel"), QStringLiteral("*.sld")};
    if (relatif == QLatin1String("etats"))
        return {QStringLiteral("*.eta")};
    // The help pages and pictures the first start set up.
    if (relatif == QLatin1String("Aide") || relatif.startsWith(QLatin1String("Aide/")))
        return {QStringLiteral("*.html"), QStringLiteral("*.htm"), QStringLiteral("*.gif"), QStringLiteral("*.jpg")};
    // images and photos only ever hold the user's own pictures.
    return {};
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

std::filesystem::file_type type_sans_suivre(const QString& chemin)
{
    std::error_code ec;
    return std::filesystem::symlink_status(chemin_système(chemin), ec).type();
}

QStringList fichiers_listés(const QString& dossier)
{
    // System takes in broken links, which are files of the folder too.
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool présent(const QString& chemin)
{
    return type_sans_suivre(chemin) != std::filesystem::file_type::not_found;
}

void ajoute_dossier(std::vector<action>& plan, const QString& P, const QString& relatif,
                    const std::vector<opération>& traitement, const QString& préfixe_copie)
{
    const QString dossier = QDir(P).filePath(relatif);
    if (!présent(dossier))
        return;
    // Behind a link it is somebody else's folder; the link has its own step.
    const QString parent_attendu = QFileInfo(QDir(chemin_canonique(P)).filePath(relatif)).absolutePath();
    if (chemin_canonique(QFileInfo(dossier).absolutePath()) != QDir::cleanPath(parent_attendu))
        return;
    const QFileInfo info(dossier);
    if (info.isSymLink()) {
        plan.push_back({opération::supprime, dossier});
        return;
    }
    if (!info.isDir())
        return;
    const QStringList à_trovane = fichiers_de_trovane(relatif);
    // A sub-folder kept for the user's files keeps this one too.
    bool garde = std::any_of(plan.begin(), plan.end(), [&dossier](const action& a) {
        return a.op == opération::garde && a.chemin.startsWith(dossier + QLatin1Char('/'));
    });
    using std::filesystem::file_type;
    const auto entrées =
        QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& n : entrées) {
        const QString entrée = QDir(dossier).filePath(n);
        const file_type type = type_sans_suivre(entrée);
        // A folder Trovane made here has had its own step.
        if (type != file_type::regular && std::any_of(plan.begin(), plan.end(), [&entrée](const action& a) {
                return a.chemin == entrée || a.chemin.startsWith(entrée + QLatin1Char('/'));
            }))
            continue;
        const bool de_trovane = QDir::match(à_trovane, n);
        if (type == file_type::symlink) {
            // Never followed, copied from nor made ordinary: a link goes, as
            // a link, unless it shows one of the user's files.
            if (de_trovane || !QFileInfo(entrée).isFile()) {
                plan.push_back({opération::supprime, entrée});
                continue;
            }
        } else if (type == file_type::regular && de_trovane) {
            for (const opération op : traitement)
                plan.push_back(
                    {op, entrée, op == opération::copie ? QDir(P).filePath(préfixe_copie + n) : QString()});
            continue;
        }
        // A folder Trovane did not make is the user's, like his files.
        plan.push_back({opération::garde, entrée});
        garde = true;
    }
    if (!garde)
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

QString liste_chemins(const QString& titre, const QStringList& chemins)
{
    constexpr qsizetype montrés = 15;
    QStringList lignes{titre};
    for (qsizetype i = 0; i < chemins.size() && i < montrés; ++i)
        lignes << QDir::toNativeSeparators(chemins[i]);
    if (chemins.size() > montrés)
        lignes << QStringLiteral("et %1 autres").arg(chemins.size() - montrés);
    return lignes.join(crlf);
}

QString message_échecs(const std::vector<échec>& échecs)
{
    QStringList chemins;
    for (const échec& é : échecs)
        chemins << é.chemin;
    return liste_chemins(QStringLiteral("Ces fichiers et dossiers n'ont pas pu être supprimés :"), chemins);
}

QStringList gardés(const std::vector<action>& plan)
{
    QStringList chemins;
    for (const action& a : plan)
        if (a.op == opération::garde)
            chemins << a.chemin;
    return chemins;
}

QString message_gardés(const QStringList& chemins)
{
    return liste_chemins(QStringLiteral("Ces fichiers ne sont pas de Trovane : ils restent en place, et leur dossier "
                                        "aussi :"),
                         chemins);
}

}  // namespace désinstallation
