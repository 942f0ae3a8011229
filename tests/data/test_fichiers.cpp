#include "data/dossiers.h"
#include "data/fichiers.h"
#include "support/dossier_test.h"
#include "support/pannes_fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

using fichiers_stockés = essai_dossier;

TEST_F(fichiers_stockés, chemin_écrit_ailleurs_retrouvé_dans_le_dossier_du_programme)
{
    écrit("images/Logo.GIF", "GIF89a");
    écrit("photos/adh12.jpg", "jpeg");
    écrit("sous/dossier/carte.png", "png");
    EXPECT_EQ(trouve_fichier_stocké("C:\\Trovane\\images\\logo.gif"), chemin("images/Logo.GIF"));
    EXPECT_EQ(trouve_fichier_stocké("photos\\adh12.jpg"), chemin("photos/adh12.jpg"));
    EXPECT_EQ(trouve_fichier_stocké(chemin("sous/dossier/carte.png")), chemin("sous/dossier/carte.png"));
    données.dossier_images = chemin("sous\\dossier");
    EXPECT_EQ(trouve_fichier_stocké("D:\\Mes images\\CARTE.PNG"), chemin("sous/dossier/carte.png"));
    EXPECT_EQ(trouve_fichier_stocké("  "), "");
    EXPECT_EQ(trouve_fichier_stocké("C:\\ailleurs\\absent.gif"), "");
}

TEST_F(fichiers_stockés, copie_jamais_sur_elle_même)
{
    écrit("a.sel", "contenu");
    QString erreur;
    EXPECT_TRUE(copie_fichier_sûre(chemin("a.sel"), chemin("./a.sel"), erreur));
    EXPECT_EQ(lit("a.sel"), "contenu");
    EXPECT_TRUE(copie_fichier_sûre(chemin("a.sel"), chemin("b.sel"), erreur));
    EXPECT_EQ(lit("b.sel"), "contenu");
    EXPECT_FALSE(copie_fichier_sûre(chemin("absent.sel"), chemin("c.sel"), erreur));
    EXPECT_TRUE(erreur.startsWith("Fichier introuvable"));
}

namespace {

// Names in the folder other than the target: what a failed write left behind.
QStringList restes(const QString& dossier, const QString& cible)
{
    QStringList noms = QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System);
    noms.removeAll(cible);
    return noms;
}

}  // namespace

TEST_F(fichiers_stockés, chaque_étape_qui_échoue_laisse_l_ancien_fichier_entier)
{
    // Big enough for several writes, each of them cut short.
    QByteArray nouveau(3 << 20, 'n');
    for (qsizetype i = 0; i < nouveau.size(); i += 4096)
        nouveau[i] = static_cast<char>('a' + i / 4096 % 26);
    const QByteArray ancien = "ancien contenu\r\n";
    for (const bool anonymes : {true, false}) {
        SCOPED_TRACE(anonymes ? "fichier temporaire anonyme" : "fichier temporaire nommé");
        pannes_fichiers pannes;
        pannes.sans_fichiers_anonymes(!anonymes);
        pannes.écritures_courtes(700'000);
        écrit("f.sel", ancien);
        QString erreur;
        ASSERT_TRUE(écrit_fichier_sûr(chemin("f.sel"), nouveau, erreur));
        ASSERT_EQ(lit("f.sel"), nouveau);
        std::array<int, nombre_appels_fichier> appels{};
        for (appel_fichier a : tous_les_appels_fichier)
            appels[static_cast<int>(a)] = pannes.appels(a);
        EXPECT_GE(pannes.appels(appel_fichier::écrit), 5);
        EXPECT_EQ(pannes.appels(appel_fichier::lie), anonymes ? 1 : 0);

        int pannes_vues = 0;
        for (appel_fichier a : tous_les_appels_fichier) {
            for (int n = 1; n <= appels[static_cast<int>(a)]; ++n) {
                SCOPED_TRACE(QStringLiteral("%1 n° %2").arg(nom_appel(a)).arg(n).toStdString());
                ++pannes_vues;
                écrit("f.sel", ancien);
                pannes.fait_échouer(a, n, EIO);
                erreur.clear();
                qsizetype remis = -1;
                const bool écrit = écrit_fichier_sûr(chemin("f.sel"), nouveau, erreur, &remis);
                // Once the new file has its name, its folder may still fail
                // to reach the disk, through any of the three calls that take
                // it there: the write is not done either.
                const bool après_le_renommage = a == appel_fichier::synchronise_dossier ||
                                                (a == appel_fichier::ouvre && n == 2) ||
                                                (a == appel_fichier::ferme && n == 2);
                EXPECT_EQ(lit("f.sel"), après_le_renommage ? nouveau : ancien);
                EXPECT_FALSE(écrit);
                EXPECT_TRUE(erreur.startsWith("Erreur d'entrée-sortie du disque (")) << erreur.toStdString();
                if (a == appel_fichier::écrit) {
                    EXPECT_EQ(remis, (n - 1) * 700'000);
                }
                EXPECT_EQ(restes(dossier.path(), "f.sel"), QStringList{});
            }
        }
        EXPECT_GE(pannes_vues, 10);
    }
}

TEST_F(fichiers_stockés, restes_d_une_écriture_tuée_effacés_à_la_suivante)
{
    // What a write killed between naming its temporary file and renaming it
    // leaves; and names that only look like it, which stay.
    const QStringList restes_nôtres = {".f.sel.~0", ".f.sel.~1z141z3", ".f.sel.~k3x9a"};
    const QStringList autres = {".f.sel.~",    ".f.sel.~K3X9A", ".f.sel.~12345678", ".g.sel.~k3x9a",
                                "f.sel.~k3x9a", ".f.sel~k3x9a", ".f.sel.~k3-9a",    ".f.sel.~k3x9a.txt"};
    for (const QString& nom : restes_nôtres + autres)
        écrit(nom, "reste");
    QString erreur;
    ASSERT_TRUE(écrit_fichier_sûr(chemin("f.sel"), "nouveau", erreur));
    EXPECT_EQ(lit("f.sel"), "nouveau");
    for (const QString& nom : restes_nôtres)
        EXPECT_FALSE(QFileInfo::exists(chemin(nom))) << nom.toStdString();
    for (const QString& nom : autres)
        EXPECT_TRUE(QFileInfo::exists(chemin(nom))) << nom.toStdString();

    // The sweep of a whole folder takes those of any file, and no other.
    efface_restes_d_écriture(dossier.path());
    for (const QString& nom : autres)
        EXPECT_EQ(QFileInfo::exists(chemin(nom)), nom != ".g.sel.~k3x9a") << nom.toStdString();
    EXPECT_EQ(lit("f.sel"), "nouveau");
}

TEST_F(fichiers_stockés, l_échec_dit_sa_vraie_cause)
{
    QDir().mkpath(chemin("dossier.sel"));
    QString erreur;
    EXPECT_FALSE(écrit_fichier_sûr(chemin("dossier.sel"), "x", erreur));
    EXPECT_EQ(erreur, QDir::toNativeSeparators(chemin("dossier.sel")) + " est un dossier, pas un fichier");
    EXPECT_FALSE(écrit_fichier_sûr(chemin("absent/f.sel"), "x", erreur));
    EXPECT_TRUE(erreur.startsWith("Dossier introuvable")) << erreur.toStdString();

    pannes_fichiers pannes;
    const std::pair<int, const char*> causes[] = {{ENOSPC, "Le disque est plein"},
                                                  {EDQUOT, "Le quota d'espace disque est dépassé"},
                                                  {EACCES, "Accès refusé en écriture"},
                                                  {EROFS, "Le disque n'accepte que la lecture"}};
    for (const auto& [code, texte] : causes) {
        pannes.fait_échouer(appel_fichier::synchronise, 1, code);
        EXPECT_FALSE(écrit_fichier_sûr(chemin("f.sel"), "x", erreur));
        EXPECT_TRUE(erreur.startsWith(QString::fromUtf8(texte))) << erreur.toStdString();
        EXPECT_FALSE(erreur.contains("peut-être"));
    }
}

TEST_F(fichiers_stockés, le_fichier_remplacé_garde_ses_droits_et_son_lien)
{
    écrit("vrai.sel", "avant");
    QFile::setPermissions(chemin("vrai.sel"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    ASSERT_TRUE(QFile::link(chemin("vrai.sel"), chemin("lien.sel")));
    QString erreur;
    ASSERT_TRUE(écrit_fichier_sûr(chemin("lien.sel"), "après", erreur));
    EXPECT_TRUE(QFileInfo(chemin("lien.sel")).isSymLink());
    EXPECT_EQ(lit("vrai.sel"), "après");
    struct stat état {};
    ASSERT_EQ(::stat(QFile::encodeName(chemin("vrai.sel")).constData(), &état), 0);
    EXPECT_EQ(état.st_mode & 0777, 0600u);
}
