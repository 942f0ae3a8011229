// Load and save of a full association (5000 members, 3000 offers and
// requests, 10000 account lines), each beside the floor of the same work
// done the least possible way, in the same run: reading the file with
// std::ifstream and cutting it into its items (lines, the quotes of a text
// taken off) as std::string_view, no copy; writing bytes already made
// through the same safe write (temporary file, sync, rename).
// Target: the load within 5 times its floor (counter "rapport").
#include "data/dialogues.h"
#include "data/dossiers.h"
#include "data/fichier_donnees.h"
#include "data/fichiers.h"
#include "mesure.h"
#include "support/jeu_essai.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif

namespace {

constexpr double rapport_visé = 5;

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

// The floor of a load: the file read and cut into its items.
std::size_t lit_et_découpe(const std::string& chemin, std::vector<std::string_view>& éléments)
{
    std::ifstream f(chemin, std::ios::binary);
    f.seekg(0, std::ios::end);
    static std::string octets;
    octets.resize(static_cast<std::size_t>(f.tellg()));
    f.seekg(0);
    f.read(octets.data(), static_cast<std::streamsize>(octets.size()));
    éléments.clear();
    const std::string_view tout(octets);
    std::size_t début = 0;
    while (début < tout.size()) {
        std::size_t fin = tout.find('\n', début);
        if (fin == std::string_view::npos)
            fin = tout.size();
        std::string_view ligne = tout.substr(début, fin - début);
        if (!ligne.empty() && ligne.back() == '\r')
            ligne.remove_suffix(1);
        if (ligne.size() >= 2 && ligne.front() == '"' && ligne.back() == '"')
            ligne = ligne.substr(1, ligne.size() - 2);
        éléments.push_back(ligne);
        début = fin + 1;
    }
    return éléments.size();
}

// Each iteration times the work, then its floor; counted under callgrind
// (--collect-atstart=no), the work alone.
template <typename T, typename P>
void à_côté_du_plancher(benchmark::State& état, T&& travail, P&& plancher)
{
    std::vector<double> mesures, planchers;
    for (auto _ : état) {
        QElapsedTimer t;
        t.start();
#ifdef CALLGRIND_TOGGLE_COLLECT
        CALLGRIND_TOGGLE_COLLECT;
#endif
        travail();
#ifdef CALLGRIND_TOGGLE_COLLECT
        CALLGRIND_TOGGLE_COLLECT;
#endif
        mesures.push_back(ms_depuis(t));
        état.PauseTiming();
        attend_modèles_remplacés();  // the floor timed on a quiet process
        t.restart();
        plancher();
        planchers.push_back(ms_depuis(t));
        état.ResumeTiming();
    }
    compte_rapport(état, mesures, planchers);
    état.SetBytesProcessed(état.iterations() * QFile(association().fichier).size());
}

// The load as File > Open makes it: the file read, the model read over a
// copy of the former one, the restore point written from the bytes read;
// beside the floor of reading and cutting the file, then writing those bytes
// through the same safe write.
void ouvrir(benchmark::State& état)
{
    auto& a = association();
    const std::string chemin = QFile::encodeName(a.fichier).toStdString();
    const QByteArray octets = écrit_données(données);
    const QString copie = a.dossier.filePath("copie.sel");
    std::vector<std::string_view> éléments;
    éléments.reserve(400000);
    à_côté_du_plancher(
        état, [&] { benchmark::DoNotOptimize(ouvrir_fichier(a.fichier)); },
        [&] {
            benchmark::DoNotOptimize(lit_et_découpe(chemin, éléments));
            QString erreur;
            benchmark::DoNotOptimize(écrit_fichier_sûr(copie, octets, erreur));
        });
    état.counters["visé"] = rapport_visé;
}

// The load alone (file read, model read over a copy of the former one),
// beside reading and cutting the file.
void chargement(benchmark::State& état)
{
    auto& a = association();
    const std::string chemin = QFile::encodeName(a.fichier).toStdString();
    std::vector<std::string_view> éléments;
    éléments.reserve(400000);
    à_côté_du_plancher(
        état, [&] { benchmark::DoNotOptimize(ouvrir_fichier(a.fichier, false)); },
        [&] { benchmark::DoNotOptimize(lit_et_découpe(chemin, éléments)); });
    état.counters["éléments"] = static_cast<double>(éléments.size());
    état.counters["visé"] = rapport_visé;
}

void enregistrer(benchmark::State& état)
{
    auto& a = association();
    const QByteArray octets = écrit_données(données);
    const QString copie = a.dossier.filePath("copie.sel");
    à_côté_du_plancher(
        état, [&] { benchmark::DoNotOptimize(enregistrer_fichier(a.fichier, false)); },
        [&] {
            QString erreur;
            benchmark::DoNotOptimize(écrit_fichier_sûr(copie, octets, erreur));
        });
}

// The parse alone, over a copy of the model as the load makes it.
void lecture_seule(benchmark::State& état)
{
    auto& a = association();
    QFile f(a.fichier);
    f.open(QIODevice::ReadOnly);
    const QByteArray octets = f.readAll();
    données_sel d;
    for (auto _ : état) {
        d = données;
        lit_données(octets, d);
        benchmark::DoNotOptimize(d.nombre_adhérents);
    }
}

// The file's bytes made from the model, not written.
void écriture_seule(benchmark::State& état)
{
    association();
    for (auto _ : état)
        benchmark::DoNotOptimize(écrit_données(données));
}

}  // namespace

BENCHMARK(chargement)->Unit(benchmark::kMillisecond);
BENCHMARK(ouvrir)->Unit(benchmark::kMillisecond);
BENCHMARK(enregistrer)->Unit(benchmark::kMillisecond);
BENCHMARK(lecture_seule)->Unit(benchmark::kMillisecond);
BENCHMARK(écriture_seule)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    note_charge();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
