#include "data/fichiers.h"

#include "data/dossiers.h"
#include "data/modele.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const appels_fichiers système = {
    [](const char* chemin, int options, mode_t droits) { return ::open(chemin, options, droits); },
    ::write,
    ::fdatasync,
    ::close,
    ::linkat,
    ::rename,
    ::unlink,
    ::fsync,
};
const appels_fichiers* appels = &système;

QString nom_affiché(const QString& chemin) { return QDir::toNativeSeparators(chemin); }

}  // namespace

const appels_fichiers& appels_système() { return système; }
void installe_appels_fichiers(const appels_fichiers* a) { appels = a ? a : &système; }

QString description_erreur_fichier(const QString& chemin, bool écriture)
{
    const QFileInfo info(chemin);
    const QString nom = nom_affiché(chemin);
    if (!écriture) {
        if (!info.exists())
            return QStringLiteral("Fichier introuvable (%1)").arg(nom);
        if (info.isDir())
            return QStringLiteral("%1 est un dossier, pas un fichier").arg(nom);
        if (!info.isReadable())
            return QStringLiteral("Accès refusé en lecture (%1)").arg(nom);
        return QStringLiteral("Erreur de lecture (%1)").arg(nom);
    }
    if (info.isDir())
        return QStringLiteral("%1 est un dossier, pas un fichier").arg(nom);
    const QFileInfo dossier(info.absolutePath());
    if (!dossier.exists())
        return QStringLiteral("Dossier introuvable (%1)").arg(nom_affiché(info.absolutePath()));
    if (!dossier.isWritable() || (info.exists() && !info.isWritable()))
        return QStringLiteral("Accès refusé en écriture (%1)").arg(nom);
    return QStringLiteral("Erreur d'écriture (%1)").arg(nom);
}

QString description_erreur_système(int code, const QString& chemin)
{
    const QString nom = nom_affiché(chemin);
    switch (code) {
    case EISDIR: return QStringLiteral("%1 est un dossier, pas un fichier").arg(nom);
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("Dossier introuvable (%1)").arg(nom_affiché(QFileInfo(chemin).absolutePath()));
    case ENOSPC: return QStringLiteral("Le disque est plein (%1)").arg(nom);
    case EDQUOT: return QStringLiteral("Le quota d'espace disque est dépassé (%1)").arg(nom);
    case EFBIG: return QStringLiteral("Le fichier dépasse la taille permise (%1)").arg(nom);
    case EIO: return QStringLiteral("Erreur d'entrée-sortie du disque (%1)").arg(nom);
    case EACCES:
    case EPERM: return QStringLiteral("Accès refusé en écriture (%1)").arg(nom);
    case EROFS: return QStringLiteral("Le disque n'accepte que la lecture (%1)").arg(nom);
    case ENAMETOOLONG: return QStringLiteral("Nom de fichier trop long (%1)").arg(nom);
    case EMFILE:
    case ENFILE: return QStringLiteral("Trop de fichiers ouverts (%1)").arg(nom);
    default:
        return QStringLiteral("Erreur d'écriture n° %1, %2 (%3)")
            .arg(code)
            .arg(QString::fromLocal8Bit(std::strerror(code)), nom);
    }
}

namespace {

// The end of a temporary file's name: at most seven base-36 digits. The
// restore point is written by a thread of its own while the main thread
// saves: each thread draws from its own generator.
QByteArray suite_au_hasard()
{
    thread_local std::mt19937 hasard(std::random_device{}());
    return QByteArray::number(static_cast<quint32>(hasard()), 36);
}

// Removes from dossier the temporary files that writes killed half-way left
// (".name.~" and up to seven base-36 digits): those of the file cible only,
// or of any file when cible is empty. No one else makes such names.
void efface_restes_de(const QString& chemin_dossier, const QByteArray& cible)
{
    const QDir dossier(chemin_dossier);
    for (const QString& nom : dossier.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QByteArray n = QFile::encodeName(nom);
        const qsizetype tilde = n.lastIndexOf(".~");
        if (!n.startsWith('.') || tilde < 2 || (!cible.isEmpty() && n.mid(1, tilde - 1) != cible))
            continue;
        const QByteArray suite = n.mid(tilde + 2);
        const bool hasard = !suite.isEmpty() && suite.size() <= 7 &&
                            std::all_of(suite.begin(), suite.end(), [](char c) {
                                return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
                            });
        if (hasard)
            appels->efface(QFile::encodeName(dossier.filePath(nom)).constData());
    }
}

// One write through a temporary file. The unnamed file of O_TMPFILE leaves
// nothing behind when the program dies half-way; where the file system has no
// such files, a named one beside the target takes its place.
class écriture_sûre {
public:
    écriture_sûre(const QString& cible, const QByteArray& octets) : cible_(cible), octets_(octets) {}

    bool fait()
    {
        const QFileInfo info(cible_);
        if (info.isDir())
            return échec(EISDIR);
        const QByteArray cible = QFile::encodeName(cible_);
        dossier_ = QFile::encodeName(info.absolutePath());
        droits_ = 0666;
        struct stat actuel {};
        const bool existe = ::stat(cible.constData(), &actuel) == 0;
        if (existe)
            droits_ = actuel.st_mode & 07777;

        efface_restes();
        if (!crée_temporaire())
            return false;
        if (existe)
            ::fchmod(fd_, droits_);  // the replacement keeps the former file's rights
        if (!écrit_tout())
            return false;
        if (appels->synchronise(fd_) != 0 && errno != EINVAL)
            return échec(errno);
        if (sans_nom_ && !nomme_temporaire())
            return false;
        const int fd = fd_;
        fd_ = -1;
        if (appels->ferme(fd) != 0)
            return échec(errno);
        if (appels->renomme(temporaire_.constData(), cible.constData()) != 0)
            return échec(errno);
        temporaire_.clear();
        // The new name on the disk too, or a power cut could bring the former
        // file back after the save was said done.
        const int d = appels->ouvre(dossier_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        if (d < 0)
            return échec(errno);
        int code = 0;
        if (appels->synchronise_dossier(d) != 0 && errno != EINVAL)
            code = errno;
        if (appels->ferme(d) != 0 && code == 0)
            code = errno;
        if (code != 0)
            return échec(code);
        return true;
    }

    ~écriture_sûre()
    {
        if (fd_ >= 0)
            appels->ferme(fd_);
        if (!temporaire_.isEmpty())
            appels->efface(temporaire_.constData());
    }

    QString erreur;
    qsizetype remis = 0;

private:
    bool échec(int code)
    {
        erreur = description_erreur_système(code, cible_);
        return false;
    }

    static bool fichiers_sans_nom()
    {
        static const bool possible = ::access("/proc/self/fd", F_OK) == 0;
        return possible;
    }

    QByteArray nom_temporaire() const
    {
        return dossier_ + "/." + QFile::encodeName(QFileInfo(cible_).fileName()) + ".~" + suite_au_hasard();
    }

    // Temporary files of this target that a program killed half-way through
    // a write left behind.
    void efface_restes() const
    {
        efface_restes_de(QFile::decodeName(dossier_), QFile::encodeName(QFileInfo(cible_).fileName()));
    }

    bool crée_temporaire()
    {
        if (fichiers_sans_nom()) {
            fd_ = appels->ouvre(dossier_.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, droits_);
            if (fd_ >= 0) {
                sans_nom_ = true;
                return true;
            }
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
                return échec(errno);
        }
        for (int essai = 0; essai < 100; ++essai) {
            const QByteArray nom = nom_temporaire();
            fd_ = appels->ouvre(nom.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, droits_);
            if (fd_ >= 0) {
                temporaire_ = nom;
                return true;
            }
            if (errno != EEXIST)
                return échec(errno);
        }
        return échec(EEXIST);
    }

    bool nomme_temporaire()
    {
        const QByteArray source = "/proc/self/fd/" + QByteArray::number(fd_);
        for (int essai = 0; essai < 100; ++essai) {
            const QByteArray nom = nom_temporaire();
            if (appels->lie(AT_FDCWD, source.constData(), AT_FDCWD, nom.constData(), AT_SYMLINK_FOLLOW) == 0) {
                temporaire_ = nom;
                return true;
            }
            if (errno != EEXIST)
                return échec(errno);
        }
        return échec(EEXIST);
    }

    bool écrit_tout()
    {
        const char* p = octets_.constData();
        const qsizetype taille = octets_.size();
        while (remis < taille) {
            const size_t morceau = static_cast<size_t>(std::min<qsizetype>(taille - remis, 1 << 20));
            const ssize_t n = appels->écrit(fd_, p + remis, morceau);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return échec(n < 0 ? errno : ENOSPC);
            remis += n;
        }
        return true;
    }

    const QString& cible_;
    const QByteArray& octets_;
    QByteArray dossier_;
    QByteArray temporaire_;  // named temporary file still to remove
    mode_t droits_ = 0666;
    int fd_ = -1;
    bool sans_nom_ = false;
};

}  // namespace

bool écrit_fichier_sûr(const QString& chemin, const QByteArray& octets, QString& erreur, qsizetype* octets_remis)
{
    // A link is followed: its target is the file the user keeps.
    const QFileInfo info(chemin);
    const QString cible = info.isSymLink() ? info.symLinkTarget() : chemin;
    écriture_sûre é(cible, octets);
    const bool écrit = é.fait();
    if (!écrit)
        erreur = é.erreur;
    if (octets_remis)
        *octets_remis = é.remis;
    return écrit;
}

void efface_restes_d_écriture(const QString& dossier) { efface_restes_de(dossier, {}); }

bool dossier_accepte_écriture(const QString& dossier)
{
    // Through the calls of every write, so that a disk refusing them is seen
    // here first.
    const QByteArray début = QFile::encodeName(QDir(dossier).filePath(QStringLiteral("trovane_essai_")));
    for (int essai = 0; essai < 100; ++essai) {
        const QByteArray nom = début + suite_au_hasard();
        const int fd = appels->ouvre(nom.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            appels->ferme(fd);
            appels->efface(nom.constData());
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
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

QString dossier_images_du_programme()
{
    const QString nom = données.dossier_images.trimmed();
    return nom.isEmpty() ? QString()
                         : dans_dossier_programme(QString(nom).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

QString trouve_fichier_stocké(const QString& stocké)
{
    // The data file may come from another association: what it names is
    // looked for inside P only, never followed anywhere else.
    const QString nom = stocké.trimmed();
    if (nom.isEmpty())
        return {};
    const QString barres = QString(nom).replace(QLatin1Char('\\'), QLatin1Char('/'));
    for (const QString& essai : {nom, barres}) {
        const QString dedans = dans_dossier_programme(essai);
        if (!dedans.isEmpty() && QFileInfo(dedans).isFile())
            return dedans;
    }
    const QString fichier = barres.section(QLatin1Char('/'), -1);
    if (fichier.isEmpty() || fichier == QLatin1String(".") || fichier == QLatin1String(".."))
        return {};
    const QString dossiers[] = {chemin_programme(QStringLiteral("images")), chemin_programme(QStringLiteral("photos")),
                                dossier_images_du_programme(), dossier_programme()};
    for (const QString& dossier : dossiers) {
        if (dossier.isEmpty())
            continue;
        const QString trouvé = trouve_sans_casse(dossier, fichier);
        if (!trouvé.isEmpty() && QFileInfo(trouvé).isFile())
            return trouvé;
    }
    return {};
}
