#include "uninstall/delvorn.h"
#include "uninstall/journal_installation.h"

#include <QDir>
#include <QFileInfo>

namespace delvorn {

using namespace désinstallation;
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
    return QStringLiteral("ST5UNST.EXE -n \"") + QDir(P).filePath(QStringLiteral("St5unst.log")) +
           QLatin1Char('"');
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
    if (e.b.message(QStringLiteral("Le désinstallateur de Windows vous indiquera que des fichiers et le "
                                   "groupe de programme n'ont pas pu être supprimés.") +
                        crlf + QStringLiteral("Ce sont vos données qui sont préservées."),
                    style_boîte::ok_annuler + style_boîte::information) != rép_ok)
        return;
    win_uninstall(e);
}

void win_uninstall(const environnement& e)
{
    efface_clé_réglages();
    const QString ligne = ligne_désinstallateur(e.P);
    if (QFileInfo(QDir(e.P).filePath(QStringLiteral("St5unst.log"))).isFile()) {
        if (!e.l.lance(ligne))
            e.b.message(ligne + crlf + QStringLiteral("n'a pas pu être lancé."),
                        style_boîte::ok + style_boîte::exclamation);
        return;
    }
    e.b.message(journal_absent,
                style_boîte::ok);
}

}  // namespace delvorn
