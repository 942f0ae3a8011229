// The general grid at the size of a large association: 10000 rows of 26
// columns (the members table), filled, sorted and fitted.
#include "ui_common/ajuste_grille.h"
#include "ui_common/grille.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

constexpr int lignes = 10000, colonnes = 26;

const QStringList villes = {"Lyon", "Villeurbanne", "Écully", "Saint-Genis-Laval", "Bron", "Vénissieux",
                            "Caluire-et-Cuire", "Oullins", "Tassin-la-Demi-Lune", "Décines-Charpieu"};

// Column 1 a member number, 2 an identifier, 3 a postal code, 4 a town,
// 5 a date, 6 an amount with a decimal comma, then shorter texts.
QString cellule(QRandomGenerator& h, int r, int c)
{
    switch (c) {
    case 0: return QString::number(r);
    case 1: return QString::number(h.bounded(1, 5001));
    case 2: return QStringLiteral("Adhérent %1").arg(h.bounded(100000));
    case 3: return QString::number(69000 + h.bounded(1000));
    case 4: return villes[h.bounded(villes.size())];
    case 5: return QStringLiteral("%1/%2/20%3").arg(h.bounded(1, 29), 2, 10, QLatin1Char('0'))
                   .arg(h.bounded(1, 13), 2, 10, QLatin1Char('0')).arg(h.bounded(10, 27));
    case 6: return QStringLiteral("%1,%2").arg(h.bounded(-500, 5000)).arg(h.bounded(10));
    default: return QString::number(h.bounded(10));
    }
}

void remplit(grille& g)
{
    QRandomGenerator h(2026);
    g.setRedraw(false);
    g.Clear();
    g.setRows(1);
    g.setCols(colonnes);
    g.setFixedCols(1);
    g.setRows(lignes + 1);
    for (int c = 0; c < colonnes; ++c)
        g.setTextMatrix(0, c, QStringLiteral("colonne %1").arg(c));
    for (int r = 1; r <= lignes; ++r)
        for (int c = 0; c < colonnes; ++c)
            g.setTextMatrix(r, c, cellule(h, r, c));
    g.setRedraw(true);
}

void remplissage(benchmark::State& état)
{
    grille g;
    for (auto _ : état) {
        remplit(g);
        benchmark::DoNotOptimize(g.TextMatrix(lignes, colonnes - 1));
    }
}
BENCHMARK(remplissage)->Unit(benchmark::kMillisecond);

// Sort on two key columns: c1 (then c1 + 1).
void tri(benchmark::State& état, int code, int c1)
{
    grille g;
    remplit(g);
    for (auto _ : état) {
        état.PauseTiming();
        g.setCol(0);
        g.setSort(tri_grille::numérique_croissant);  // back to the fill order
        g.setRow(1);
        g.setCol(c1);
        g.setColSel(c1 + 1);
        état.ResumeTiming();
        g.setSort(code);
    }
}
// Town then date (texts and dates); identifier then postal code (texts then numbers).
BENCHMARK_CAPTURE(tri, générique_ville_date, tri_grille::générique_croissant, 4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tri, générique_numéro_identifiant, tri_grille::générique_croissant, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tri, numérique_numéro_identifiant, tri_grille::numérique_croissant, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tri, numérique_montant_code, tri_grille::numérique_croissant, 6)->Unit(benchmark::kMillisecond);

void ajustement(benchmark::State& état)
{
    grille g;
    remplit(g);
    for (auto _ : état)
        ajuste_grille(g);
}
BENCHMARK(ajustement)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
