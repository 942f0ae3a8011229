// Save and load of a full association, against the floor of reading the same
// file and splitting it into lines.
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "support/jeu_essai.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct association_pleine {
    QTemporaryDir dossier;
    QString fichier;
    association_pleine()
    {
        fixe_dossier_programme(dossier.path());
        initialise_paramètres();
        remplit_association_essai(données, {5000, 3000, 10000, 500});
        fichier = dossier.filePath("trovane.sel");
        enregistrer_fichier(fichier, false);
    }
};

association_pleine& association()
{
    static association_pleine a;
    return a;
}

void enregistrer(benchmark::State& état)
{
    auto& a = association();
    for (auto _ : état)
        benchmark::DoNotOptimize(enregistrer_fichier(a.fichier, false));
    état.SetBytesProcessed(état.iterations() * QFile(a.fichier).size());
}

void ouvrir(benchmark::State& état)
{
    auto& a = association();
    for (auto _ : état)
        benchmark::DoNotOptimize(ouvrir_fichier(a.fichier));
    état.SetBytesProcessed(état.iterations() * QFile(a.fichier).size());
}

void lecture_seule(benchmark::State& état)
{
    auto& a = association();
    QFile f(a.fichier);
    f.open(QIODevice::ReadOnly);
    const QByteArray octets = f.readAll();
    for (auto _ : état) {
        données_sel d = données;
        lit_données(octets, d);
        benchmark::DoNotOptimize(d.nombre_adhérents);
    }
}

void lecture_brute(benchmark::State& état)
{
    auto& a = association();
    for (auto _ : état) {
        QFile f(a.fichier);
        f.open(QIODevice::ReadOnly);
        const QByteArray octets = f.readAll();
        const QList<QByteArray> lignes = octets.split('\n');
        benchmark::DoNotOptimize(lignes.size());
    }
}

}  // namespace

BENCHMARK(enregistrer)->Unit(benchmark::kMillisecond);
BENCHMARK(ouvrir)->Unit(benchmark::kMillisecond);
BENCHMARK(lecture_seule)->Unit(benchmark::kMillisecond);
BENCHMARK(lecture_brute)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
