#include "uninstall/quastel.h"
#include "uninstall/journal_installation.h"

#include <QDir>
#include <QFileInfo>

namespace quastel {

using namespace désinstallation;

namespace {

constexpr auto ordinaire = opération::ordinaire, copie = opération::copie, supprime = opération::supprime;

struct étape {
    const char* dossier;
    std::vector<opération> traitement;
    const char* préfixe;  // of the copy in P
};

// The help pages go back into P under their language prefix, where the
// first start of Trovane found them. Each file is made ordinary first, so
// that neither a read-only nor an unreadable one stops the copy or the
// deletion.
const étape étapes[] = {
    {"archives", {ordinaire, supprime}, ""},
    {"repère", {ordinaire, supprime}, ""},
    {"photos", {ordinaire, supprime}, ""},
    {"images", {ordinaire, supprime}, ""},
    {"Aide/images", {ordinaire, copie, supprime}, ""},
    {"Aide/français", {ordinaire, copie, supprime}, "F_"},
    {"Aide/allemand", {ordinaire, copie, supprime}, "D_"},
    {"Aide/anglais", {ordinaire, copie, supprime}, "A_"},
    {"Aide/espagnol", {ordinaire, copie, supprime}, "E_"},
    {"Aide/italien", {ordinaire, copie, supprime}, "I_"},
    {"Aide", {ordinaire, supprime}, ""},
    {"etats", {ordinaire, supprime}, ""},
};

}  // namespace

std::vector<action> plan(const QString& P)
{
    std::vector<action> actions;
    for (const étape& é : étapes)
        ajoute_dossier(actions, P, QString::fromUtf8(é.dossier), é.traitement, QString::fromUtf8(é.préfixe));
    ajoute_fichier(actions, P, QStringLiteral("evolstat.dat"), {ordinaire, supprime});
    return actions;
}

QString message_fin(const QString& P)
{
    const QString dossier = QDir::toNativeSeparators(P);
    const QString suite =
        QFileInfo(journal_installation::chemin_journal(P)).isFile()
            ? QStringLiteral("Terminez la désinstallation avec Delvorn (") +
                  QDir::toNativeSeparators(QDir(P).filePath(QStringLiteral("delvorn"))) +
                  QStringLiteral("), bouton « Désinstaller mais Garder les données pour une réinstallation » : "
                                 "il supprime les fichiers installés du programme, que liste le journal "
                                 "d'installation St5unst.log.")
            : QStringLiteral("Aucun journal d'installation (St5unst.log) ne liste les fichiers du programme : ils "
                             "restent dans ") +
                  dossier + QStringLiteral(", supprimez-les vous-même.");
    return QStringLiteral("Trovane a retiré tous les fichiers qu'il a ajoutés pendant son exécution ainsi que ses "
                          "réglages.") +
           crlf + suite + crlf + QStringLiteral("Vos données (trovane.sel, trovane.sld) restent dans ") + dossier +
           QStringLiteral(".") + crlf + QStringLiteral("Les auteurs vous remercient!");
}

void Form_Load(const QString& P, boîtes& b)
{
    if (refuse_dossier(P, b))
        return;
    if (b.message(QStringLiteral("Etes-vous sûrs de vouloir désinstaller Trovane ?"),
                  style_boîte::oui_non + style_boîte::question) != rép_oui)
        return;
    const auto actions = plan(P);
    const auto échecs = exécute(actions, true);
    if (!échecs.empty()) {
        // The path tells the user what to look at before running it again.
        b.message(QString::number(échecs.front().numéro) +
                      QStringLiteral(" rencontré. La désinstallation n'est peut être pas complète.") + crlf +
                      QDir::toNativeSeparators(échecs.front().chemin),
                  style_boîte::ok + style_boîte::information);
        return;
    }
    efface_sections_réglages();
    if (const QStringList à_l_utilisateur = gardés(actions); !à_l_utilisateur.isEmpty())
        b.message(message_gardés(à_l_utilisateur), style_boîte::ok + style_boîte::information);
    b.message(message_fin(P), style_boîte::ok + style_boîte::information);
}

}  // namespace quastel
