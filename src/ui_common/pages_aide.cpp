#include "ui_common/pages_aide.h"

#include "data/dialogues.h"
#include "data/fichiers.h"
#include "data/modele.h"
#include "ui_common/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString dossier_aide = QStringLiteral("Aide");
// Lies in P/Aide from the start of the installation until its last file is in
// place: an installation cut short (a full disk) is made again at the next
// start, rather than P/Aide alone telling it done.
const QString marque_inachevée = QStringLiteral("Aide/.installation_inachevée");

// A file of the folder named `nom`, exactly or else whatever its case.
QString fichier_du_dossier(const QString& dossier, const QString& nom)
{
    const QString exact = QDir(dossier).filePath(nom);
    if (QFileInfo(exact).isFile())
        return exact;
    const QString trouvé = trouve_sans_casse(dossier, nom);
    return !trouvé.isEmpty() && QFileInfo(trouvé).isFile() ? trouvé : QString();
}

bool crée_dossier(const QString& chemin, QString& erreur)
{
    if (QFileInfo(chemin).isDir() || QDir().mkdir(chemin))
        return true;
    erreur = description_erreur_fichier(chemin, true);
    return false;
}

// Where a shipped file goes in P, or empty when it stays where it is. The
// language prefix is compared exactly: "f_index.html" is nobody's page.
QString destination(const QString& nom, const QString& groupe)
{
    if (groupe == QLatin1String("page")) {
        if (nom.startsWith(QLatin1String("F_")))
            return chemin_programme(dossier_aide + QStringLiteral("/français/") + nom.mid(2));
        if (nom.startsWith(QLatin1String("A_")))
            return chemin_programme(dossier_aide + QStringLiteral("/anglais/") + nom.mid(2));
        return {};
    }
    if (groupe == QLatin1String("image"))
        return chemin_programme(dossier_aide + QStringLiteral("/images/") + nom);
    return chemin_programme(QStringLiteral("etats/") + nom);
}

}  // namespace

QString page_aide(const QString& sujet)
{
    if (sujet.isEmpty())
        return {};
    const QString dossier = chemin_programme(dossier_aide + QLatin1Char('/') + langue_aide);
    const QString html = fichier_du_dossier(dossier, sujet + QStringLiteral(".html"));
    return html.isEmpty() ? fichier_du_dossier(dossier, sujet + QStringLiteral(".htm")) : html;
}

void ouvre_aide(const QString& sujet)
{
    const QString page = page_aide(sujet);
    // A page the desktop has no program for is named, so that the user can
    // open it himself.
    if (!page.isEmpty() && !shell().ouvre(QUrl::fromLocalFile(page)))
        MsgBox(QStringLiteral("La page d'aide n'a pas pu être ouverte : aucun programme ne lit les pages HTML sur ce "
                              "bureau. Vous pouvez l'ouvrir vous-même avec votre navigateur : ") +
                   QDir::toNativeSeparators(page),
               style_boîte::ok + style_boîte::information);
}

bool premier_démarrage()
{
    return !QFileInfo(chemin_programme(dossier_aide)).isDir() || QFileInfo::exists(chemin_programme(marque_inachevée));
}

bool copie_aide(const QString& source)
{
    QString erreur;
    const QString aide = chemin_programme(dossier_aide);
    const bool aide_nouvelle = !QFileInfo(aide).isDir();
    bool réussi = crée_dossier(aide, erreur);
    if (réussi && !écrit_fichier_sûr(chemin_programme(marque_inachevée), QByteArray(), erreur)) {
        réussi = false;
        if (aide_nouvelle)
            QDir().rmdir(aide);  // without its mark, the folder would tell the installation done
    }
    for (const char* dossier : {"/images", "/français", "/anglais"}) {
        if (!réussi)
            break;
        if (!crée_dossier(chemin_programme(dossier_aide + QString::fromUtf8(dossier)), erreur)) {
            réussi = false;
            break;
        }
    }

    // Pages first, then pictures, then saved selections; extensions in any
    // case, as the shipped names came from a system that ignores it.
    const struct {
        const char* motif;
        const char* groupe;
    } motifs[] = {{"*.html", "page"}, {"*.htm", "page"}, {"*.gif", "image"}, {"*.jpg", "image"}, {"*.eta", "état"}};
    const QDir dossier_source(source);
    for (const auto& m : motifs) {
        if (!réussi)
            break;
        const QStringList noms = dossier_source.entryList({QString::fromLatin1(m.motif)}, QDir::Files,
                                                          QDir::Name | QDir::IgnoreCase);
        for (const QString& nom : noms) {
            const QString cible = destination(nom, QString::fromUtf8(m.groupe));
            if (cible.isEmpty())
                continue;
            if (!copie_fichier_sûre(dossier_source.filePath(nom), cible, erreur)) {
                réussi = false;
                break;
            }
        }
    }

    if (réussi)
        QFile::remove(chemin_programme(marque_inachevée));
    else
        MsgBox(erreur + QStringLiteral(" Les fichiers d'aide n'ont pas pu être correctement copiés"),
               style_boîte::ok + style_boîte::information);
    return réussi;
}

void propose_aide_premier_démarrage(const QString& source)
{
    if (!premier_démarrage())
        return;
    copie_aide(source);
    // Offering a page that the installation could not put in place would
    // answer "Oui" with nothing at all.
    if (page_aide(QStringLiteral("commencer")).isEmpty())
        return;
    if (MsgBox(QStringLiteral("Voulez-vous consulter l'aide [Commencer avec Trovane] maintenant ?"),
               style_boîte::oui_non + style_boîte::question) == rép_oui)
        ouvre_aide(QStringLiteral("commencer"));
}
