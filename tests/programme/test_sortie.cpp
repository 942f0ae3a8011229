// Quitting the program, by each way the user or the desktop can: the
// program ends with status 0 and leaves its data file whole. Each run is a
// process of its own, started as the executable starts, so that what is torn
// down after the message loop (the windows, the general grid) is torn down
// for real.
#include "data/fichier_donnees.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

class sortie : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données, {40, 60, 80, 30});
        ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
        QDir().mkpath(chemin("Aide"));  // not a first start: no question asked
        QDir().mkpath(chemin("réglages"));
    }

    // The exit status, or -1 when the program crashed or hung.
    int quitte(const QString& façon, QString& sorties)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TROVANE_HOME", dossier.path());
        env.insert("XDG_CONFIG_HOME", chemin("réglages"));  // the user's own settings stay untouched
        p.setProcessEnvironment(env);
        p.start(QDir(QCoreApplication::applicationDirPath()).filePath("essai_sortie"), {façon});
        const bool fini = p.waitForFinished(60000);
        sorties = QString::fromLocal8Bit(p.readAllStandardError());
        if (!fini) {
            p.kill();
            p.waitForFinished();
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
};

}  // namespace

TEST_F(sortie, chaque_façon_de_quitter_finit_par_un_statut_nul)
{
    for (const char* façon : {"bouton", "menu", "case_de_fermeture", "fenetres_ouvertes", "fin_de_session", "fin_de_boucle"}) {
        SCOPED_TRACE(façon);
        QString sorties;
        EXPECT_EQ(quitte(QString::fromUtf8(façon), sorties), 0) << sorties.toStdString();
        // Whatever the windows saved as they closed reads back.
        données = données_sel{};
        EXPECT_TRUE(ouvrir_fichier(chemin("trovane.sel")));
        EXPECT_EQ(données.nombre_adhérents, 40);
    }
}
