// Quastel: the removal, the help pages put back into P, the stop at the
// first failure and the settings it keeps.
#include "essai_desinstallation.h"
#include "uninstall/quastel.h"

using namespace désinstallation;

namespace {

using essai_quastel = essai_désinstallation;

TEST_F(essai_quastel, non_laisse_tout_en_place)
{
    installe_trovane();
    quastel::Form_Load(P, boîtes);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].style, 36);
    EXPECT_TRUE(existe(QStringLiteral("archives/trovane.sel")));
    EXPECT_TRUE(existe(QStringLiteral("Aide/français/commencer.html")));
    EXPECT_TRUE(existe(QStringLiteral("evolstat.dat")));
    EXPECT_EQ(réglages().childGroups().size(), 4);
}

TEST_F(essai_quastel, tout_retire_et_remet_l_aide_dans_le_programme)
{
    installe_trovane();
    ajoute_fichiers_utilisateur();
    écrit(QStringLiteral("Aide/allemand/anfang.html"), "anfang");
    écrit(QStringLiteral("Aide/français/mes notes.txt"), "à moi");
    écrit(QStringLiteral("F_commencer.html"), "ancienne page");
    QFile::setPermissions(chemin(QStringLiteral("archives/trovane_2025.sel")), QFileDevice::ReadOwner);
    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);

    for (const char* f : {"archives/trovane.sel", "archives/trovane_2025.sel", "repère", "Aide/images",
                          "Aide/anglais", "Aide/allemand", "Aide/index.html", "etats", "evolstat.dat"})
        EXPECT_FALSE(existe(QString::fromUtf8(f))) << f;
    EXPECT_EQ(lit(QStringLiteral("F_commencer.html")), QByteArray("Aide/français/commencer.html"));
    EXPECT_EQ(lit(QStringLiteral("A_commencer.html")), QByteArray("Aide/anglais/commencer.html"));
    EXPECT_EQ(lit(QStringLiteral("D_anfang.html")), QByteArray("anfang"));
    EXPECT_EQ(lit(QStringLiteral("fleche.gif")), QByteArray("Aide/images/fleche.gif"));
    EXPECT_FALSE(existe(QStringLiteral("index.html")));
    EXPECT_TRUE(existe(QStringLiteral("trovane.sel")));
    EXPECT_TRUE(existe(QStringLiteral("trovane.sld")));

    // The user's files stay where they were, neither copied nor moved.
    const QStringList à_l_utilisateur = {"archives/impots2023.pdf", "images/logo.gif", "images/vacances.jpg",
                                         "photos/dupont.jpg", "photos/famille.jpg", "Aide/français/mes notes.txt"};
    for (const QString& f : à_l_utilisateur)
        EXPECT_TRUE(existe(f)) << f.toStdString();
    EXPECT_FALSE(existe(QStringLiteral("F_mes notes.txt")));

    // The application key stays, without the three sections.
    EXPECT_EQ(réglages().childGroups(), QStringList{QStringLiteral("Autre")});
    ASSERT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(boîtes.messages[1].texte.startsWith(QStringLiteral("Ces fichiers ne sont pas de Trovane")));
    for (const QString& f : à_l_utilisateur)
        EXPECT_TRUE(boîtes.messages[1].texte.contains(chemin(f))) << f.toStdString();
    // No installation log here: the program files stay, and the box says where.
    EXPECT_EQ(boîtes.messages[2].texte,
              QStringLiteral("Trovane a retiré tous les fichiers qu'il a ajoutés pendant son exécution ainsi que ses "
                             "réglages.\r\nAucun journal d'installation (St5unst.log) ne liste les fichiers du "
                             "programme : ils restent dans %1, supprimez-les vous-même.\r\nVos données (trovane.sel, "
                             "trovane.sld) restent dans %1.\r\nLes auteurs vous remercient!")
                  .arg(QDir::toNativeSeparators(P)));
    EXPECT_EQ(boîtes.messages[2].style, 64);
}

TEST_F(essai_quastel, avec_le_journal_d_installation_la_fin_passe_la_main_à_delvorn)
{
    installe_trovane();
    écrit(QStringLiteral("St5unst.log"), "trovane\n");
    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);
    const QString fin = boîtes.messages.back().texte;
    EXPECT_TRUE(fin.contains(QStringLiteral("Terminez la désinstallation avec Delvorn (%1), bouton « Désinstaller "
                                            "mais Garder les données pour une réinstallation »")
                                 .arg(QDir::toNativeSeparators(chemin(QStringLiteral("delvorn"))))))
        << fin.toStdString();
    EXPECT_FALSE(fin.contains(QStringLiteral("panneau de configuration")));
    EXPECT_TRUE(existe(QStringLiteral("St5unst.log")));
}

TEST_F(essai_quastel, chaque_fichier_est_rendu_ordinaire_avant_d_être_copié_ou_supprimé)
{
    installe_trovane();
    for (const char* langue : {"allemand", "espagnol", "italien"})
        écrit(QStringLiteral("Aide/%1/page.html").arg(QString::fromUtf8(langue)), langue);
    const auto actions = quastel::plan(P);
    QStringList ordinaires;
    for (const action& a : actions) {
        if (a.op == opération::ordinaire) {
            ordinaires << a.chemin;
        } else if (a.op == opération::copie || a.op == opération::supprime) {
            EXPECT_TRUE(ordinaires.contains(a.chemin)) << a.chemin.toStdString();
        }
    }

    // Neither a read-only page nor one that cannot even be read stops the run.
    QFile::setPermissions(chemin(QStringLiteral("Aide/italien/page.html")), {});
    QFile::setPermissions(chemin(QStringLiteral("Aide/espagnol/page.html")), QFileDevice::ReadOwner);
    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);
    EXPECT_EQ(lit(QStringLiteral("I_page.html")), QByteArray("italien"));
    EXPECT_EQ(lit(QStringLiteral("E_page.html")), QByteArray("espagnol"));
    EXPECT_FALSE(existe(QStringLiteral("Aide")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith(QStringLiteral("Trovane a retiré tous les fichiers")));
}

TEST_F(essai_quastel, la_première_erreur_arrête_tout)
{
    installe_trovane();
    // The user's sub-folder stays and the run goes on; a folder where a
    // help picture goes back cannot be written over.
    écrit(QStringLiteral("repère/ancien/trovane.sel"), "x");
    ASSERT_TRUE(QDir(P).mkdir(QStringLiteral("fleche.gif")));
    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);

    // archives, repère, photos and images come before the help pictures;
    // the rest, after, stays.
    EXPECT_FALSE(existe(QStringLiteral("archives")));
    EXPECT_FALSE(existe(QStringLiteral("repère/trovane.sel")));
    EXPECT_TRUE(existe(QStringLiteral("repère/ancien/trovane.sel")));
    EXPECT_TRUE(existe(QStringLiteral("images/logo.gif")));
    EXPECT_TRUE(existe(QStringLiteral("Aide/images/fleche.gif")));
    EXPECT_TRUE(QFileInfo(chemin(QStringLiteral("fleche.gif"))).isDir());
    EXPECT_TRUE(existe(QStringLiteral("Aide/français/commencer.html")));
    EXPECT_TRUE(existe(QStringLiteral("etats/famille.eta")));
    EXPECT_TRUE(existe(QStringLiteral("evolstat.dat")));
    EXPECT_EQ(réglages().childGroups().size(), 4);
    ASSERT_EQ(boîtes.messages.size(), 2u);
    EXPECT_EQ(boîtes.messages[1].texte,
              QStringLiteral("75 rencontré. La désinstallation n'est peut être pas complète.\r\n") +
                  chemin(QStringLiteral("fleche.gif")));
}

TEST_F(essai_quastel, rien_n_est_touché_hors_du_programme)
{
    installe_trovane();
    const QString dehors = dossier.filePath(QStringLiteral("dehors.sel"));
    QFile(dehors).open(QIODevice::WriteOnly);
    QFile::setPermissions(dehors, QFileDevice::ReadOwner);
    // A link in a folder goes; its target keeps its attributes.
    ASSERT_TRUE(QFile::link(dehors, chemin(QStringLiteral("archives/lien.sel"))));
    // A help folder that leads elsewhere goes as a link: neither emptied
    // nor copied from.
    const QString autre_aide = dossier.filePath(QStringLiteral("autre aide"));
    QDir().mkpath(autre_aide);
    QFile(autre_aide + QStringLiteral("/page.html")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(autre_aide, chemin(QStringLiteral("Aide/espagnol"))));

    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);

    EXPECT_FALSE(existe(QStringLiteral("archives")));
    EXPECT_FALSE(QFile::permissions(dehors) & QFileDevice::WriteOwner);
    EXPECT_TRUE(QFileInfo::exists(autre_aide + QStringLiteral("/page.html")));
    EXPECT_FALSE(existe(QStringLiteral("E_page.html")));
    EXPECT_FALSE(existe(QStringLiteral("Aide")));
    EXPECT_TRUE(boîtes.messages.back().texte.startsWith(QStringLiteral("Trovane a retiré tous les fichiers")));
}

TEST_F(essai_quastel, aucun_lien_n_est_suivi_ni_écrit_et_chaque_étape_se_fait)
{
    installe_trovane();
    const QString dehors = ajoute_liens();
    const QByteArray avant = empreinte(dehors);
    boîtes.réponses = {rép_oui};
    quastel::Form_Load(P, boîtes);

    EXPECT_EQ(empreinte(dehors), avant);
    // The help goes back into plain files, in place of the links.
    for (const char* f : {"F_commencer.html", "A_commencer.html", "fleche.gif"})
        EXPECT_TRUE(QFileInfo(chemin(QString::fromUtf8(f))).isFile() &&
                    !QFileInfo(chemin(QString::fromUtf8(f))).isSymLink()) << f;
    EXPECT_EQ(lit(QStringLiteral("F_commencer.html")), QByteArray("Aide/français/commencer.html"));
    EXPECT_EQ(lit(QStringLiteral("A_commencer.html")), QByteArray("Aide/anglais/commencer.html"));
    EXPECT_EQ(lit(QStringLiteral("fleche.gif")), QByteArray("Aide/images/fleche.gif"));
    // The links go as links, never copied from; the user's folders stay.
    for (const char* f : {"F_lien.html", "F_sous", "perdue.gif", "archives/photos", "archives/trovane.sel",
                          "Aide/français", "Aide/lien", "Aide/images/fleche.gif", "Aide/index.html", "etats",
                          "evolstat.dat"})
        EXPECT_FALSE(existe(QString::fromUtf8(f))) << f;
    for (const char* f : {"archives/2024/trovane.sel", "Aide/images/mes images/photo.jpg", "photos/dupont.jpg"})
        EXPECT_TRUE(existe(QString::fromUtf8(f))) << f;
    EXPECT_EQ(réglages().childGroups(), QStringList{QStringLiteral("Autre")});
    ASSERT_EQ(boîtes.messages.size(), 3u);
    for (const char* f : {"archives/2024", "Aide/images/mes images"})
        EXPECT_TRUE(boîtes.messages[1].texte.split(QStringLiteral("\r\n")).contains(chemin(QString::fromUtf8(f))))
            << f;
    EXPECT_TRUE(boîtes.messages[2].texte.startsWith(QStringLiteral("Trovane a retiré tous les fichiers")));
}

}  // namespace
