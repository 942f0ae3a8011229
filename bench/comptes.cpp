// Recording exchanges until the ledger is full, and filling the account-line
// grid with every line, as the main window's "all operations" view does.
#include "accounts/enregistrement.h"
#include "accounts/grilles_comptes.h"
#include "data/dialogues.h"
#include "support/jeu_essai.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// An association of 500 members and an empty ledger.
const données_sel& association_vide()
{
    static const données_sel d = [] {
        données_sel a;
        initialise_paramètres(a);
        remplit_association_essai(a, {500, 0, 0, 30});
        return a;
    }();
    return d;
}

// Records exchanges between members drawn at random, levy on, until the
// ledger cannot take one more with its levy; returns how many.
int remplit_grand_livre()
{
    données = association_vide();
    std::uint32_t hasard = 12345;
    auto tire = [&](std::uint32_t n) {
        hasard = hasard * 1664525u + 1013904223u;
        return (hasard >> 8) % n;
    };
    saisie_échange s;
    s.description = QStringLiteral("Aide au jardinage : taille des haies");
    s.date_opération = date_depuis(QDate(2026, 3, 1));
    s.prélèvement = {QStringLiteral("0,5"), QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("1000"), false,
                     premier_compte_asso};
    int échanges = 0;
    while (données.nombre_lignes_compte + 4 <= max_lignes_compte) {
        s.débité = static_cast<int>(tire(500)) + 1;
        s.crédité = static_cast<int>(tire(499)) + 1;
        if (s.crédité >= s.débité)
            ++s.crédité;
        s.montant = QString::number(tire(2000) + 1) + QStringLiteral(",5");
        s.ligne_cat = QString::number(tire(3000));
        s.code_rubrique = QString::number(100 * (tire(30) + 1) + 11);
        s.genre = static_cast<int>(tire(3));
        s.catégorie = static_cast<int>(tire(2));
        if (!enregistre_échange(s))
            break;
        ++échanges;
    }
    return échanges;
}

void enregistre_échanges(benchmark::State& état)
{
    int échanges = 0;
    for (auto _ : état)
        benchmark::DoNotOptimize(échanges = remplit_grand_livre());
    état.counters["échanges"] = échanges;
    état.counters["lignes"] = données.nombre_lignes_compte;
    état.SetItemsProcessed(état.iterations() * échanges);
}

void remplit_grille_comptes(benchmark::State& état)
{
    remplit_grand_livre();
    grille gg;
    for (auto _ : état) {
        remplit_écritures_période(gg, données.nombre_lignes_compte, mode_dernières, 0, 0);
        benchmark::DoNotOptimize(gg.Rows());
    }
    état.counters["lignes"] = gg.Rows() - 1;
}

}  // namespace

BENCHMARK(enregistre_échanges)->Unit(benchmark::kMillisecond);
BENCHMARK(remplit_grille_comptes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // the grid fit measures texts in the grid's font
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
