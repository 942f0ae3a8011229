// Delvorn: what each button removes, what it keeps, and the hand-over.
#include "essai_desinstallation.h"
#include "uninstall/delvorn.h"
#include "uninstall/journal_installation.h"

#include <QProcess>

using namespace désinstallation;

namespace {

const QStringList données_gardées = {"archives/trovane.sel", "repère/trovane.sel", "etats/famille.eta",
                                     "images/logo.gif", "photos/dupont.jpg", "Aide/index.html",
                                     "Aide/images/fleche.gif", "Aide/français/commencer.html", "evolstat.dat",
                                     "trovane.sld"};

class essai_delvorn : public essai_désinstallation {
protected:
    delvorn::environnement e() { return {P, boîtes, lanceur}; }
};

TEST_F(essai_delvorn, non_laisse_tout_en_place)
{
    installe_trovane();
    boîtes.réponses = {rép_non};
    delvorn::Command1_Click(e());

    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_EQ(boîtes.messages[0].texte, QStringLiteral("Etes-vous sûrs de vouloir désinstaller Trovane ?"));
    EXPECT_EQ(boîtes.messages[0].style, 36);
    for (const QString& f : données_gardées)
        EXPECT_TRUE(existe(f)) << f.toStdString();
    EXPECT_EQ(réglages().childGroups().size(), 4);
    EXPECT_TRUE(lanceur.lignes.isEmpty());
}

TEST_F(essai_delvorn, tout_supprime_ce_que_trovane_a_écrit_garde_les_fichiers_de_l_utilisateur_puis_passe_la_main)
{
    installe_trovane();
    ajoute_fichiers_utilisateur();
    écrit(QStringLiteral("St5unst.log"), "trovane\n");
    boîtes.réponses = {rép_oui};
    delvorn::Command1_Click(e());

    for (const char* f : {"archives/trovane.sel", "archives/trovane_2025.sel", "etats", "repère", "Aide",
                          "evolstat.dat", "trovane.sld"})
        EXPECT_FALSE(existe(QString::fromUtf8(f))) << f;
    EXPECT_EQ(lit(QStringLiteral("trovane.sel")), QByteArray("trovane.sel"));
    EXPECT_FALSE(QFileInfo::exists(fichier_réglages()));

    // The pictures and the papers the user put there stay, with what they
    // held, and the user is told so.
    const QStringList à_l_utilisateur = {"archives/impots2023.pdf", "images/logo.gif", "images/vacances.jpg",
                                         "photos/dupont.jpg", "photos/famille.jpg"};
    for (const QString& f : à_l_utilisateur)
        EXPECT_TRUE(existe(f)) << f.toStdString();
    EXPECT_EQ(lit(QStringLiteral("archives/impots2023.pdf")), QByteArray("à moi : archives/impots2023.pdf"));
    ASSERT_EQ(boîtes.messages.size(), 2u);
    QStringList liste{QStringLiteral("Ces fichiers ne sont pas de Trovane : ils restent en place, et leur dossier aussi :")};
    for (const QString& f : à_l_utilisateur)
        liste << chemin(f);
    EXPECT_EQ(boîtes.messages[1].texte, liste.join(QStringLiteral("\r\n")));
    EXPECT_EQ(boîtes.messages[1].style, 64);

    // The log path goes whole, blanks and all, to the platform's uninstaller.
    ASSERT_EQ(lanceur.lignes.size(), 1);
    EXPECT_EQ(lanceur.lignes[0], QStringLiteral("ST5UNST.EXE -n \"") + P + QStringLiteral("/St5unst.log\""));
    EXPECT_EQ(QProcess::splitCommand(lanceur.lignes[0]),
              QStringList({"ST5UNST.EXE", "-n", chemin(QStringLiteral("St5unst.log"))}));
}

TEST_F(essai_delvorn, ce_qui_reste_est_dit_et_sans_journal_le_message_le_dit)
{
    installe_trovane();
    // A sub-folder is the user's: not descended into, kept, and so is its folder.
    écrit(QStringLiteral("archives/2025/trovane.sel"), "ancien");
    écrit(QStringLiteral("etats/.caché.eta"), "caché");
    boîtes.réponses = {rép_oui};
    delvorn::Command1_Click(e());

    EXPECT_TRUE(existe(QStringLiteral("archives/2025/trovane.sel")));
    EXPECT_FALSE(existe(QStringLiteral("archives/trovane.sel")));
    EXPECT_FALSE(existe(QStringLiteral("etats")));
    EXPECT_FALSE(existe(QStringLiteral("Aide")));
    EXPECT_FALSE(QFileInfo::exists(fichier_réglages()));
    EXPECT_TRUE(lanceur.lignes.isEmpty());

    ASSERT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(boîtes.messages[1].texte.startsWith(QStringLiteral("Ces fichiers ne sont pas de Trovane")));
    EXPECT_TRUE(boîtes.messages[1].texte.split(QStringLiteral("\r\n")).contains(chemin(QStringLiteral("archives/2025"))));
    // No tool of another system: where the program files stay.
    EXPECT_EQ(boîtes.messages[2].texte,
              QStringLiteral("Le fichier journal de la désinstallation (St5unst.log) n'a pas été trouvé ou n'existe "
                             "plus : les fichiers du programme restent dans %1. Supprimez-les vous-même, en gardant "
                             "vos données (trovane.sel) si vous en avez besoin.")
                  .arg(QDir::toNativeSeparators(P)));
    EXPECT_EQ(boîtes.messages[2].style, 0);
}

TEST_F(essai_delvorn, un_lien_s_en_va_comme_lien_et_ce_qu_il_montre_reste)
{
    installe_trovane();
    const QString dehors = dossier.filePath(QStringLiteral("Mes photos"));
    QDir().mkpath(dehors);
    for (const char* f : {"/vacances.jpg", "/ancienne.sel"}) {
        QFile cible(dehors + QString::fromUtf8(f));
        ASSERT_TRUE(cible.open(QIODevice::WriteOnly));
        cible.write(f);
    }
    const QStringList avant = arbre(dehors);
    QDir(chemin(QStringLiteral("photos"))).removeRecursively();
    ASSERT_TRUE(QFile::link(dehors, chemin(QStringLiteral("photos"))));
    ASSERT_TRUE(QFile::link(dehors + QStringLiteral("/ancienne.sel"), chemin(QStringLiteral("archives/ancienne.sel"))));
    // A link the user put among the pictures is the user's.
    ASSERT_TRUE(QFile::link(dehors + QStringLiteral("/vacances.jpg"), chemin(QStringLiteral("images/vacances.jpg"))));

    boîtes.réponses = {rép_oui};
    delvorn::Command1_Click(e());

    EXPECT_EQ(arbre(dehors), avant);
    EXPECT_FALSE(existe(QStringLiteral("photos")));
    EXPECT_FALSE(existe(QStringLiteral("archives")));
    EXPECT_TRUE(QFileInfo(chemin(QStringLiteral("images/vacances.jpg"))).isSymLink());
    // Asked, kept, no log: nothing failed.
    ASSERT_EQ(boîtes.messages.size(), 3u);
    EXPECT_TRUE(boîtes.messages[1].texte.endsWith(chemin(QStringLiteral("images/vacances.jpg"))));
}

TEST_F(essai_delvorn, garder_les_données_n_efface_que_les_réglages)
{
    installe_trovane();
    écrit(QStringLiteral("St5unst.log"), "trovane\n");
    boîtes.réponses = {rép_annuler};
    delvorn::Command3_Click(e());
    EXPECT_EQ(réglages().childGroups().size(), 4);
    EXPECT_TRUE(lanceur.lignes.isEmpty());

    boîtes.réponses = {rép_ok};
    delvorn::Command3_Click(e());
    EXPECT_EQ(boîtes.messages.back().texte,
              QStringLiteral("Les réglages de Trovane vont être supprimés, puis les fichiers installés du programme, "
                             "ceux que liste le journal d'installation St5unst.log.\r\nCe sont vos données qui sont "
                             "préservées : trovane.sel, trovane.sld, evolstat.dat et les dossiers archives, etats, "
                             "images, photos, repère et Aide restent dans %1.")
                  .arg(QDir::toNativeSeparators(P)));
    for (const QString& f : données_gardées)
        EXPECT_TRUE(existe(f)) << f.toStdString();
    EXPECT_FALSE(QFileInfo::exists(fichier_réglages()));
    EXPECT_EQ(lanceur.lignes.size(), 1);
}

TEST_F(essai_delvorn, un_désinstallateur_qui_ne_démarre_pas_est_signalé)
{
    écrit(QStringLiteral("St5unst.log"), "trovane\n");
    lanceur.réussit = false;
    delvorn::win_uninstall(e());
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.endsWith(QStringLiteral("n'a pas pu être lancé.")));
}

TEST_F(essai_delvorn, aucun_lien_n_est_suivi_et_chaque_étape_se_fait)
{
    installe_trovane();
    const QString dehors = ajoute_liens();
    const QByteArray avant = empreinte(dehors);
    boîtes.réponses = {rép_oui};
    delvorn::Command1_Click(e());

    EXPECT_EQ(empreinte(dehors), avant);
    for (const char* f : {"archives/photos", "archives/trovane.sel", "etats", "repère", "Aide/français", "Aide/lien",
                          "Aide/images/fleche.gif", "Aide/images/perdue.gif", "Aide/index.html", "evolstat.dat",
                          "trovane.sld"})
        EXPECT_FALSE(existe(QString::fromUtf8(f))) << f;
    for (const char* f : {"archives/2024/trovane.sel", "Aide/images/mes images/photo.jpg", "photos/dupont.jpg"})
        EXPECT_TRUE(existe(QString::fromUtf8(f))) << f;
    EXPECT_FALSE(QFileInfo::exists(fichier_réglages()));
    // Asked, kept, no log: nothing failed.
    ASSERT_EQ(boîtes.messages.size(), 3u);
    for (const char* f : {"archives/2024", "Aide/images/mes images"})
        EXPECT_TRUE(boîtes.messages[1].texte.split(QStringLiteral("\r\n")).contains(chemin(QString::fromUtf8(f))))
            << f;
    EXPECT_TRUE(boîtes.messages[2].texte.startsWith(QStringLiteral("Le fichier journal de la désinstallation")));
}

}  // namespace
