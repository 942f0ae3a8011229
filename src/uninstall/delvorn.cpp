#include "uninstall/delvorn.h"
#include "uninstall/journal_installation.h"

#include <QDir>
#include <QFileInfo>

namespace delvorn {

using namespace désinstallation;
using journal_installation::chemin_journal;
using journal_installation::journal_absent;

std::vector<action> plan_tout(const QString& P)
{
    std::vector<action> plan;
    for (const char* dossier : dossiers_supprimés)
        ajoute_dossier(plan, P, QString::fromUtf8(dossier), {opération::supprime});
    ajoute_fichier(plan, P, QStringLiteral("evolstat.dat"), {opération::supprime});
    ajoute_fichier(plan, P, QStringLiteral("trovane.sld"), {opération::supprime});
    ajoute_dossier(plan, P, QStringLiteral("Aide"), {opération::supprime});
    return plan;
}

QString ligne_désinstallateur(const QString& P)
{
    return QStringLiteral("ST5UNST.EXE -n \"") + chemin_journal(P) + QLatin1Char('"');
}

QString message_garder_les_données(const QString& P)
{
    return QStringLiteral("Les réglages de Trovane vont être supprimés, puis les fichiers installés du programme, "
                          "ceux que liste le journal d'installation St5unst.log.") +
           crlf +
           QStringLiteral("Ce sont vos données qui sont préservées : trovane.sel, trovane.sld, evolstat.dat et les "
                          "dossiers archives, etats, images, photos, repère et Aide restent dans ") +
           QDir::toNativeSeparators(P) + QStringLiteral(".");
}

void Command1_Click(const environnement& e)
{
    if (refuse_dossier(e.P, e.b))
        return;
    if (e.b.message(QStringLiteral("Etes-vous sûrs de vouloir désinstaller Trovane ?"),
                    style_boîte::oui_non + style_boîte::question) != rép_oui)
        return;
    const auto plan = plan_tout(e.P);
    const auto échecs = exécute(plan, false);
    // What stays must not pass for removed: the user finishes by hand.
    if (const QStringList à_l_utilisateur = gardés(plan); !à_l_utilisateur.isEmpty())
        e.b.message(message_gardés(à_l_utilisateur), style_boîte::ok + style_boîte::information);
    if (!échecs.empty())
        e.b.message(message_échecs(échecs),
                    style_boîte::ok + style_boîte::exclamation);
    win_uninstall(e);
}

void Command3_Click(const environnement& e)
{
    if (refuse_dossier(e.P, e.b))
        return;
    // The settings go at once: the user may still change his mind here.
    if (e.b.message(message_garder_les_données(e.P), style_boîte::ok_annuler + style_boîte::information) != rép_ok)
        return;
    win_uninstall(e);
}

void win_uninstall(const environnement& e)
{
    efface_clé_réglages();
    const QString ligne = ligne_désinstallateur(e.P);
    if (QFileInfo(chemin_journal(e.P)).isFile()) {
        if (!e.l.lance(ligne))
            e.b.message(ligne + crlf + QStringLiteral("n'a pas pu être lancé."),
                        style_boîte::ok + style_boîte::exclamation);
        return;
    }
    e.b.message(journal_absent(e.P), style_boîte::ok);
}

}  // namespace delvorn
