// Saves of a full association killed at random moments, as a power cut or a
// killed process would cut them: in a child process that saves again and
// again, killed with SIGKILL after a random delay. Each time, the data file
// on disk is one whole version (the former or a newer one, never a mixture),
// and reading the balances file over it never brings back other figures.
#include "data/fichier_donnees.h"
#include "data/soldes.h"
#include "support/dossier_test.h"
#include "support/jeu_essai.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <chrono>
#include <csignal>
#include <random>
#include <tuple>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// Version k of the association: the currency names it, and one member's
// balance and counters move with it, so that a balances file of another
// version never agrees with the data file.
void passe_à_la_version(données_sel& d, int k)
{
    d.nom_monnaie = QStringLiteral("grains v%1").arg(k);
    adhérent& a = d.table_adhérents[d.table_adhérents[1 + k % d.nombre_adhérents].ordre];
    a.der_solde += monnaie::unités(k);
    ++a.crédits;
}

// Kills to make: TROVANE_COUPURES when set (long local runs), else enough to
// hit every stage of a save many times.
int coupures_voulues()
{
    const int demandé = qEnvironmentVariableIntValue("TROVANE_COUPURES");
    return demandé > 0 ? demandé : 150;
}

int fils_en_cours()
{
    QFile état(QStringLiteral("/proc/self/status"));
    if (!état.open(QIODevice::ReadOnly))
        return 1;
    for (const QByteArray& l : état.readAll().split('\n'))
        if (l.startsWith("Threads:"))
            return l.mid(8).trimmed().toInt();
    return 1;
}

class enregistrement_interrompu : public essai_dossier {
protected:
    void SetUp() override
    {
        essai_dossier::SetUp();
        initialise_paramètres();
        remplit_association_essai(données, {5000, 3000, 10000, 300});
        poste_compta = true;
        passe_à_la_version(données, 0);
        ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    }

    // A child that saves versions première, première + 1, ... until it is
    // killed; it never returns. It tells `prêt` once its memory is its own
    // (the copies the first walk through the tables makes), so that the kill
    // falls among the saves and not before them.
    [[noreturn]] void enregistre_sans_fin(int première, int prêt)
    {
        alarm(60);  // never outlives a parent that could not kill it
        const QByteArray tout = écrit_données(données);
        if (write(prêt, tout.constData(), 1) != 1)
            _exit(4);
        for (int k = première;; ++k) {
            passe_à_la_version(données, k);
            if (!enregistrer_fichier(chemin("trovane.sel"), false))
                _exit(3);
        }
    }
};

}  // namespace

TEST_F(enregistrement_interrompu, fichier_entier_et_soldes_accordés_après_chaque_coupure)
{
    // The child must not inherit a lock held by another thread.
    ASSERT_EQ(fils_en_cours(), 1);

    // How long one save of the pair takes here, to spread the kills over a
    // few saves.
    QElapsedTimer chrono;
    chrono.start();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(enregistrer_fichier(chemin("essai.sel"), false));
    const auto durée = std::chrono::microseconds(chrono.nsecsElapsed() / 3000);
    QFile::remove(chemin("essai.sel"));
    QFile::remove(chemin("essai.sld"));

    std::mt19937 hasard(20260314);
    const int voulues = coupures_voulues();
    int version = 0, nouvelles = 0, soldes_refusés = 0, restes = 0;
    for (int coupure = 0; coupure < voulues; ++coupure) {
        SCOPED_TRACE(coupure);
        int tube[2];
        ASSERT_EQ(pipe(tube), 0);
        const pid_t fils = fork();
        ASSERT_GE(fils, 0);
        if (fils == 0)
            enregistre_sans_fin(version + 1, tube[1]);
        close(tube[1]);
        char c = 0;
        ASSERT_EQ(read(tube[0], &c, 1), 1);
        close(tube[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(hasard() % (3 * durée.count() + 1)));
        ASSERT_EQ(kill(fils, SIGKILL), 0);
        int état = 0;
        ASSERT_EQ(waitpid(fils, &état, 0), fils);
        ASSERT_TRUE(WIFSIGNALED(état)) << "le fils s'est arrêté de lui-même : " << WEXITSTATUS(état);

        // One whole version, never older than the one before the kill. The
        // open data follow the file on disk: the next child starts from them.
        const QByteArray octets = lit("trovane.sel");
        const qsizetype nom = octets.indexOf("\"grains v");
        ASSERT_GE(nom, 0) << "fichier de données sans sa version (" << octets.size() << " octets)";
        const int lue = octets.mid(nom + 9, 12).split('"').first().toInt();
        ASSERT_GE(lue, version);
        for (int k = version + 1; k <= lue; ++k)
            passe_à_la_version(données, k);
        ASSERT_TRUE(octets == écrit_données(données)) << "version " << lue << " mêlée à une autre";
        nouvelles += lue > version;
        version = lue;

        // The balances file agrees with it, or is not read at all.
        std::vector<std::tuple<monnaie, int16, int16, monnaie>> soldes;
        pour_chaque_adhérent(données, [&](int, adhérent& a) {
            soldes.emplace_back(a.der_solde, a.débits, a.crédits, a.volume);
        });
        const bool relus = lire_soldes(chemin("trovane.sld"), chemin("trovane.sel"));
        std::size_t i = 0;
        pour_chaque_adhérent(données, [&](int n, adhérent& a) {
            EXPECT_TRUE(soldes[i++] == std::tuple(a.der_solde, a.débits, a.crédits, a.volume))
                << "adhérent " << n << " : des soldes d'une autre version ont été relus";
        });
        ASSERT_FALSE(HasFailure());
        if (!relus) {
            ++soldes_refusés;
            ASSERT_EQ(boîtes.messages.size(), 1u);
            EXPECT_TRUE(boîtes.messages.back().texte.contains("ne correspond pas"))
                << boîtes.messages.back().texte.toStdString();
            boîtes.messages.clear();
        }
        ASSERT_TRUE(boîtes.messages.empty()) << boîtes.textes().join(" | ").toStdString();

        // A kill between naming the temporary file and renaming it leaves
        // that file; the next save removes it.
        restes += static_cast<int>(QDir(dossier.path()).entryList({".trovane.*"}, QDir::Files | QDir::Hidden).size());
    }
    ASSERT_TRUE(enregistrer_fichier(chemin("trovane.sel"), false));
    EXPECT_EQ(QDir(dossier.path()).entryList({".trovane.*"}, QDir::Files | QDir::Hidden), QStringList{});
    std::printf("%d coupures, %d versions nouvelles, %d fichiers des soldes en retard refusés, %d restes vus\n",
                voulues, nouvelles, soldes_refusés, restes);
    RecordProperty("coupures", voulues);
    RecordProperty("soldes_refuses", soldes_refusés);
    EXPECT_GT(nouvelles, voulues / 10);
}
