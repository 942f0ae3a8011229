// The statistics of a full association (5000 members, 3000 propositions,
// 10000 account lines, 49 sections): every table of each page, the
// quarterly snapshot, the history table, the chart, and the window opening
// on its first table.
#include "data/dossiers.h"
#include "statistics/evolution.h"
#include "statistics/f_statistiques.h"
#include "statistics/graphique.h"
#include "statistics/historique.h"
#include "statistics/tableaux.h"
#include "support/jeu_essai.h"
#include "ui_common/grille.h"

#include <QApplication>
#include <QChart>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void association_complète()
{
    static const données_sel d = [] {
        données_sel a;
        initialise_paramètres(a);
        remplit_association_essai(a, {max_adhérents, max_propositions, max_lignes_compte, 490});
        // Exchanges spread over the year, so that every month has lines.
        for (int i = 1; i <= a.nombre_lignes_compte; ++i)
            a.table_lignes_compte[i].dte_opé = date_depuis(QDate(2025, 1, 1)) + i % 365;
        return a;
    }();
    données = d;
}

état_statistiques tous_les_adhérents()
{
    état_statistiques é;
    pour_chaque_adhérent(données, [&](int n, const adhérent& a) { é.liste.push_back({a.identifiant.str(), n}); });
    é.date_fin = QStringLiteral("31/12/2025");
    return é;
}

template <class Construit>
void toutes_les_sortes(benchmark::State& état, int sortes, Construit construit)
{
    association_complète();
    grille gg;
    int cellules = 0;
    for (auto _ : état) {
        cellules = 0;
        for (int sorte = 0; sorte < sortes; ++sorte) {
            état_statistiques é = tous_les_adhérents();
            construit(é, gg, sorte);
            cellules += gg.Rows() * gg.Cols();
        }
        benchmark::DoNotOptimize(gg.Rows());
    }
    état.counters["tableaux"] = sortes;
    état.counters["cellules"] = cellules;
}

void tableaux_adhérents(benchmark::State& état)
{
    toutes_les_sortes(état, 10, [](état_statistiques& é, grille& gg, int sorte) {
        construit_tableau_adhérents(é, gg, sorte, QStringLiteral("x"));
    });
}

void tableaux_catalogue(benchmark::State& état)
{
    toutes_les_sortes(état, 6, [](état_statistiques& é, grille& gg, int sorte) {
        construit_tableau_catalogue(é, gg, sorte, QStringLiteral("x"));
    });
}

void tableaux_échanges(benchmark::State& état)
{
    toutes_les_sortes(état, 7, [](état_statistiques& é, grille& gg, int sorte) {
        construit_tableau_échanges(é, gg, sorte, QStringLiteral("x"));
    });
}

// The largest single table: the share of each of the 49 sections in 10000 lines.
void tableau_échanges_par_rubrique(benchmark::State& état)
{
    toutes_les_sortes(état, 1, [](état_statistiques& é, grille& gg, int) {
        construit_tableau_échanges(é, gg, 0, QStringLiteral("Rubriques"));
    });
}

void relevé_trimestriel(benchmark::State& état)
{
    association_complète();
    QTemporaryDir dossier;
    fixe_dossier_programme(dossier.path());
    fichier_courant = fichier_données_défaut();
    for (auto _ : état)
        enregistre_évolution();
    fixe_dossier_programme({});
}

void table_historique(benchmark::State& état)
{
    association_complète();
    QTemporaryDir dossier;
    fixe_dossier_programme(dossier.path());
    QByteArray octets;
    for (int t = 0; t < 80; ++t) {  // twenty years of quarters
        stat_trimestre s;
        s.trimestre = QStringLiteral(" %1- %2°trim").arg(2006 + t / 4).arg(t % 4 + 1);
        octets += encode_trimestre(s);
    }
    QFile f(chemin_évolution());
    f.open(QIODevice::WriteOnly);
    f.write(octets);
    f.close();
    grille gg;
    for (auto _ : état)
        benchmark::DoNotOptimize(construit_évolution(gg, 1));
    fixe_dossier_programme({});
}

void graphique_sections_genres(benchmark::State& état)
{
    association_complète();
    grille gg;
    état_statistiques é = tous_les_adhérents();
    construit_tableau_catalogue(é, gg, 4, QStringLiteral("rubriques et genres"));
    for (auto _ : état) {
        QChart c;
        remplit_graphique(c, prépare_graphique(gg, é.titre_stat, true), types_graphique::barres);
        benchmark::DoNotOptimize(c.series().size());
    }
}

void ouverture_fenêtre(benchmark::State& état)
{
    association_complète();
    for (auto _ : état) {
        f_statistiques f;
        benchmark::DoNotOptimize(f.gg.Rows());
    }
}

}  // namespace

BENCHMARK(tableaux_adhérents)->Unit(benchmark::kMillisecond);
BENCHMARK(tableaux_catalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(tableaux_échanges)->Unit(benchmark::kMillisecond);
BENCHMARK(tableau_échanges_par_rubrique)->Unit(benchmark::kMillisecond);
BENCHMARK(relevé_trimestriel)->Unit(benchmark::kMillisecond);
BENCHMARK(table_historique)->Unit(benchmark::kMillisecond);
BENCHMARK(graphique_sections_genres)->Unit(benchmark::kMillisecond);
BENCHMARK(ouverture_fenêtre)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // fonts for the column fit, widgets for the window
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
