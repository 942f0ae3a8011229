// Which folder the uninstallers accept: Trovane's own program folder only,
// never the root or the home folder, and a refused folder is left exactly
// as it was.
#include "essai_desinstallation.h"
#include "uninstall/delvorn.h"
#include "uninstall/journal_installation.h"
#include "uninstall/quastel.h"

#include <functional>

using namespace désinstallation;

namespace {

// HOME pointed elsewhere for one test, so that nothing real is at stake.
class maison_provisoire {
public:
    explicit maison_provisoire(const QString& chemin) : avant_(qgetenv("HOME")) { qputenv("HOME", QFile::encodeName(chemin)); }
    ~maison_provisoire() { qputenv("HOME", avant_); }

private:
    QByteArray avant_;
};

class essai_dossier_programme : public essai_désinstallation {
protected:
    delvorn::environnement e() { return {P, boîtes, lanceur}; }

    // Runs both programs with every question answered yes; each must say
    // why it refuses, and only that.
    void lance_les_deux_programmes(const QString& raison)
    {
        const struct {
            const char* nom;
            std::function<void()> lance;
            int réponse;
        } programmes[] = {
            {"Désinstaller tout", [this] { delvorn::Command1_Click(e()); }, rép_oui},
            {"Garder les données", [this] { delvorn::Command3_Click(e()); }, rép_ok},
            {"Quastel", [this] { quastel::Form_Load(P, boîtes); }, rép_oui},
        };
        for (const auto& p : programmes) {
            boîtes.messages.clear();
            boîtes.réponses = {p.réponse, p.réponse};
            p.lance();
            ASSERT_EQ(boîtes.messages.size(), 1u) << p.nom;
            EXPECT_TRUE(boîtes.messages[0].texte.contains(raison)) << p.nom << ": " << boîtes.messages[0].texte.toStdString();
            EXPECT_TRUE(boîtes.messages[0].texte.endsWith(QStringLiteral("\r\nRien n'a été supprimé.")));
            EXPECT_EQ(boîtes.messages[0].style, 48);
        }
        EXPECT_TRUE(lanceur.lignes.isEmpty());
        EXPECT_EQ(réglages().childGroups().size(), 4);
    }
};

TEST_F(essai_dossier_programme, seul_le_dossier_qui_tient_trovane_ou_ses_données_est_accepté)
{
    const QString pas_trovane = QStringLiteral("n'est pas celui de Trovane");
    EXPECT_TRUE(refus_dossier(P).contains(pas_trovane));
    EXPECT_TRUE(refus_dossier(chemin(QStringLiteral("absent"))).contains(pas_trovane));

    // A folder or a link of that name proves nothing.
    QDir().mkpath(chemin(QStringLiteral("trovane")));
    const QString dehors = dossier.filePath(QStringLiteral("trovane.sel"));
    QFile(dehors).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(dehors, chemin(QStringLiteral("trovane.sel"))));
    EXPECT_TRUE(refus_dossier(P).contains(pas_trovane));

    QFile::remove(chemin(QStringLiteral("trovane.sel")));
    écrit(QStringLiteral("trovane.sel"), "données");
    EXPECT_EQ(refus_dossier(P), QString());
    QFile::remove(chemin(QStringLiteral("trovane.sel")));
    QDir().rmdir(chemin(QStringLiteral("trovane")));
    écrit(QStringLiteral("trovane"), "programme");
    EXPECT_EQ(refus_dossier(P), QString());
}

TEST_F(essai_dossier_programme, un_dossier_étranger_est_refusé_par_les_deux_programmes_et_reste_intact)
{
    ajoute_fichiers_utilisateur();
    // Even what looks like Trovane's stays in a folder that is not its own.
    for (const char* f : {"evolstat.dat", "trovane.sld", "etats/famille.eta", "repère/trovane.sel",
                          "Aide/français/commencer.html"})
        écrit(QString::fromUtf8(f), f);
    QFile::setPermissions(chemin(QStringLiteral("archives/impots2023.pdf")), QFileDevice::ReadOwner);
    const QStringList avant = arbre(P);

    lance_les_deux_programmes(QStringLiteral("n'est pas celui de Trovane"));
    EXPECT_EQ(arbre(P), avant);
}

TEST_F(essai_dossier_programme, la_racine_et_le_dossier_personnel_sont_refusés)
{
    EXPECT_TRUE(refus_dossier(QStringLiteral("/")).contains(QStringLiteral("est la racine du système")));
    EXPECT_TRUE(refus_dossier_système(QStringLiteral("/")).contains(QStringLiteral("est la racine du système")));
    // Nothing is at stake: the refusal comes before the question, which
    // would be answered no.
    quastel::Form_Load(QStringLiteral("/"), boîtes);
    delvorn::Command1_Click({QStringLiteral("/"), boîtes, lanceur});
    journal_installation::désinstalle_selon_journal(QStringLiteral("/"), QStringLiteral("/St5unst.log"), boîtes);
    ASSERT_EQ(boîtes.messages.size(), 3u);
    for (const auto& m : boîtes.messages)
        EXPECT_TRUE(m.texte.contains(QStringLiteral("est la racine du système"))) << m.texte.toStdString();

    // A home folder that Trovane was run from, installed there, log and all.
    installe_trovane();
    ajoute_fichiers_utilisateur();
    écrit(QStringLiteral("St5unst.log"), P.toUtf8() + "\ntrovane.sld\nevolstat.dat\n");
    const maison_provisoire maison(P);
    const QStringList avant = arbre(P);
    lance_les_deux_programmes(QStringLiteral("est votre dossier personnel"));

    boîtes.messages.clear();
    boîtes.réponses = {rép_oui};
    EXPECT_EQ(journal_installation::désinstalle_selon_journal(P, chemin(QStringLiteral("St5unst.log")), boîtes), 1);
    ASSERT_EQ(boîtes.messages.size(), 1u);
    EXPECT_TRUE(boîtes.messages[0].texte.contains(QStringLiteral("est votre dossier personnel")));
    EXPECT_EQ(arbre(P), avant);

    // Nor a folder that holds it.
    EXPECT_TRUE(refus_dossier(QFileInfo(P).absolutePath()).contains(QStringLiteral("contient votre dossier personnel")));
}

}  // namespace
