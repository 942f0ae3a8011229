// The installation of this build into a folder of its own: what it puts
// there, the log it writes, and the way back out through both steps of
// Delvorn.
#include "essai_desinstallation.h"
#include "uninstall/delvorn.h"
#include "uninstall/journal_installation.h"

#include <QProcess>

using namespace désinstallation;

namespace {

class essai_installation : public essai_désinstallation {
protected:
    void SetUp() override
    {
        essai_désinstallation::SetUp();
        QProcess cmake;
        cmake.setProcessChannelMode(QProcess::MergedChannels);
        cmake.start(QStringLiteral(TROVANE_CMAKE),
                    {QStringLiteral("--install"), QStringLiteral(TROVANE_CONSTRUCTION), QStringLiteral("--prefix"), P});
        ASSERT_TRUE(cmake.waitForFinished(120000));
        ASSERT_EQ(cmake.exitCode(), 0) << cmake.readAll().toStdString();
    }

    QStringList journal() const
    {
        return QString::fromUtf8(lit(QStringLiteral("St5unst.log"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
};

TEST_F(essai_installation, tout_est_installé_côte_à_côte_et_le_journal_le_dit)
{
    for (const char* programme : {"trovane", "delvorn", "quastel"})
        EXPECT_TRUE(QFileInfo(chemin(QString::fromUtf8(programme))).isExecutable()) << programme;
    for (const char* livré : {"F_commencer.html", "A_commencer.html", "TROVANE.gif", "adultes.eta"})
        EXPECT_TRUE(QFileInfo(chemin(QString::fromUtf8(livré))).isFile()) << livré;
    EXPECT_EQ(refus_dossier(P), QString());

    // The folder installed into, then every file installed, each once.
    const QStringList lignes = journal();
    ASSERT_FALSE(lignes.isEmpty());
    EXPECT_EQ(lignes.first(), P);
    QStringList installés;
    for (const QString& n : QDir(P).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (n != QLatin1String("St5unst.log"))
            installés << chemin(n);
    QStringList listés = lignes.mid(1);
    listés.sort();
    installés.sort();
    EXPECT_EQ(listés, installés);
}

TEST_F(essai_installation, delvorn_retire_ce_que_trovane_a_écrit_puis_exactement_ce_qui_a_été_installé)
{
    // Some use of Trovane: its data and copies, its help set up, and files
    // of the user's own, among them one beside the program.
    écrit(QStringLiteral("trovane.sel"), "données");
    for (const char* f : {"archives/trovane.sel", "repère/trovane.sel", "etats/adultes.eta",
                          "Aide/français/commencer.html", "Aide/images/TROVANE.gif", "evolstat.dat"})
        écrit(QString::fromUtf8(f), f);
    écrit(QStringLiteral("images/vacances.jpg"), "à moi");
    écrit(QStringLiteral("mes notes.txt"), "à moi");

    boîtes.réponses = {rép_oui};
    delvorn::Command1_Click({P, boîtes, lanceur});
    ASSERT_EQ(lanceur.lignes.size(), 1);
    // What the started uninstaller then does with its arguments.
    const QStringList arguments = QProcess::splitCommand(lanceur.lignes[0]);
    ASSERT_EQ(arguments.size(), 3);
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(journal_installation::désinstalle_selon_journal(P, arguments[2], boîtes), 0);

    QStringList restes = arbre(P);
    for (QString& r : restes)
        r = r.section(QLatin1Char('\t'), 0, 0);
    EXPECT_EQ(restes, QStringList({"images", "images/vacances.jpg", "mes notes.txt", "trovane.sel"}));
    EXPECT_TRUE(boîtes.textes().last().startsWith(QStringLiteral("Les fichiers installés de Trovane ont été "
                                                                 "supprimés.\r\nVos données restent dans ")));
    EXPECT_TRUE(boîtes.textes().last().endsWith(QDir::toNativeSeparators(chemin(QStringLiteral("trovane.sel")))));
}

}  // namespace
