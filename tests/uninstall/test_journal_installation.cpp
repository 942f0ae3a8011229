// The stand-in for the platform's setup uninstaller: what the installation
// log makes it remove, and what it never removes.
#include "essai_desinstallation.h"
#include "uninstall/journal_installation.h"

using namespace désinstallation;
using journal_installation::désinstalle_selon_journal;
using journal_installation::plan_journal;

namespace {

class essai_journal : public essai_désinstallation {
protected:
    void installe()
    {
        for (const char* f : {"trovane", "delvorn", "F_commencer.html", "exemples/famille.eta", "trovane.sel"})
            écrit(QString::fromUtf8(f), "x");
        // As the installation writes it: the folder installed into first.
        écrit(QStringLiteral("St5unst.log"), "# Trovane\r\n" + P.toUtf8() +
                                                 "\r\ntrovane\r\ndelvorn\r\nexemples\r\n"
                                                 "exemples/famille.eta\r\nF_commencer.html\r\ntrovane.sel\r\n");
    }
    QString journal() const { return chemin(QStringLiteral("St5unst.log")); }
};

TEST_F(essai_journal, les_fichiers_d_abord_puis_les_dossiers_et_jamais_hors_du_programme)
{
    installe();
    écrit(QStringLiteral("exemples/sous/x"), "x");
    const QString dehors = dossier.filePath(QStringLiteral("dehors.txt"));
    const auto plan = plan_journal(P, {"exemples", "exemples/sous", "exemples/sous/x", "trovane.sel", "absent",
                                       "../../dehors.txt", dehors, chemin("delvorn"), ".", ""});
    std::vector<std::pair<opération, QString>> vu;
    for (const action& a : plan)
        vu.push_back({a.op, a.chemin});
    const std::vector<std::pair<opération, QString>> attendu = {
        {opération::supprime, chemin("exemples/sous/x")},
        {opération::refus, dehors},
        {opération::supprime, chemin("delvorn")},
        {opération::retire_dossier, chemin("exemples/sous")},
        {opération::retire_dossier, chemin("exemples")},
    };
    EXPECT_EQ(vu, attendu);
}

TEST_F(essai_journal, oui_supprime_ce_qui_est_installé_et_le_journal)
{
    installe();
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 0);
    for (const char* f : {"trovane", "delvorn", "F_commencer.html", "exemples", "St5unst.log"})
        EXPECT_FALSE(existe(QString::fromUtf8(f))) << f;
    EXPECT_TRUE(existe(QStringLiteral("trovane.sel")));
    EXPECT_TRUE(boîtes.textes().last().startsWith(QStringLiteral("Les fichiers installés de Trovane ont été "
                                                                 "supprimés.\r\nVos données restent dans ")));
}

TEST_F(essai_journal, non_ou_un_reste_garde_le_journal)
{
    installe();
    EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 0);
    EXPECT_TRUE(existe(QStringLiteral("trovane")));
    EXPECT_TRUE(existe(QStringLiteral("St5unst.log")));

    // User files in an installed folder keep it, and the log, for a later run.
    écrit(QStringLiteral("exemples/à moi.eta"), "x");
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 1);
    EXPECT_FALSE(existe(QStringLiteral("trovane")));
    EXPECT_TRUE(existe(QStringLiteral("exemples/à moi.eta")));
    EXPECT_TRUE(existe(QStringLiteral("St5unst.log")));
    EXPECT_EQ(boîtes.textes().last(),
              QStringLiteral("Ces fichiers et dossiers n'ont pas pu être supprimés :\r\n") + chemin("exemples"));

    // Once the user has cleared it, a second run ends the work.
    QFile::remove(chemin(QStringLiteral("exemples/à moi.eta")));
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 0);
    EXPECT_FALSE(existe(QStringLiteral("exemples")));
    EXPECT_FALSE(existe(QStringLiteral("St5unst.log")));
}

TEST_F(essai_journal, un_journal_hors_du_programme_ou_écrit_pour_un_autre_dossier_n_est_pas_suivi)
{
    installe();
    const QString ailleurs = dossier.filePath(QStringLiteral("St5unst.log"));
    QFile::copy(journal(), ailleurs);
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(désinstalle_selon_journal(P, ailleurs, boîtes), 1);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(QStringLiteral("les fichiers du programme restent dans ") +
                                                  QDir::toNativeSeparators(P)))
        << boîtes.messages[0].texte.toStdString();
    EXPECT_TRUE(existe(QStringLiteral("trovane")));

    // A folder copied elsewhere, or a log without its folder, is not ours.
    for (const QByteArray& début : {dossier.path().toUtf8(), QByteArray("trovane"), QByteArray()}) {
        écrit(QStringLiteral("St5unst.log"), début + "\ntrovane\ndelvorn\n");
        boîtes.messages.clear();
        boîtes.réponses = {rép_oui};
        EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 1);
        ASSERT_EQ(boîtes.messages.size(), 1u);
        EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Le fichier journal ") + journal() +
                                                QStringLiteral(" ne vient pas de l'installation de Trovane dans le "
                                                               "dossier ") +
                                                P + QStringLiteral(".\r\nRien n'a été supprimé."));
    }
    EXPECT_TRUE(existe(QStringLiteral("trovane")));
    EXPECT_TRUE(existe(QStringLiteral("delvorn")));
}

TEST_F(essai_journal, rien_à_supprimer_est_dit_et_le_journal_s_en_va)
{
    écrit(QStringLiteral("St5unst.log"), P.toUtf8() + "\ntrovane\ntrovane.sel\n");
    écrit(QStringLiteral("trovane.sel"), "données");
    EXPECT_EQ(désinstalle_selon_journal(P, journal(), boîtes), 0);
    // What stays, and where: the data file, one path a line.
    EXPECT_EQ(boîtes.textes(), QStringList{QStringLiteral("Il ne reste plus rien à supprimer.\r\nVos données restent "
                                                          "dans %1 ; supprimez-les vous-même quand vous n'en aurez "
                                                          "plus besoin :\r\n%2")
                                               .arg(QDir::toNativeSeparators(P),
                                                    QDir::toNativeSeparators(chemin("trovane.sel")))});
    EXPECT_FALSE(existe(QStringLiteral("St5unst.log")));
    EXPECT_TRUE(existe(QStringLiteral("trovane.sel")));
}

}  // namespace
