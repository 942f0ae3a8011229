#pragma once
// What the benchmarks share: the median of a few runs, and the counters that
// set a figure beside its reference measured in the same run (the machine's
// load moves both alike, their ratio much less).
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <vector>

inline double médiane(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t m = v.size() / 2;
    return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

// Milliseconds since the timer started, to the microsecond.
inline double ms_depuis(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// The counters of a figure: its median ("ms"), the reference's ("référence")
// and their ratio ("rapport"), and the target's when there is one.
inline void compte_rapport(benchmark::State& état, const std::vector<double>& mesures,
                           const std::vector<double>& références, double cible_ms = 0)
{
    const double m = médiane(mesures), r = médiane(références);
    état.counters["ms"] = m;
    état.counters["référence"] = r;
    état.counters["rapport"] = r > 0 ? m / r : 0;
    if (cible_ms > 0)
        état.counters["cible"] = cible_ms;
}

// The machine's load when the benchmark starts: the figures only mean much
// on a quiet machine.
inline void note_charge()
{
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        char ligne[128] = {};
        if (std::fgets(ligne, sizeof ligne, f)) {
            std::string charge(ligne);
            while (!charge.empty() && charge.back() == '\n')
                charge.pop_back();
            benchmark::AddCustomContext("charge", charge);
        }
        std::fclose(f);
    }
}
