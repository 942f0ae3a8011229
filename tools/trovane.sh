#!/bin/sh
# Installs what Trovane needs on Debian 12 (when missing), builds it, then
# either starts the program (run), runs every test (test), the benchmarks
# (bench) or the fuzz targets at length (fuzz [length] [jobs] [targets]).
set -eu
cd "$(dirname "$0")/.."
action="${1:-run}"

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev \
fonts-liberation fonts-symbola libgtest-dev libgmock-dev libbenchmark-dev poppler-utils ccache qt6-translations-l10n xvfb xauth openbox \
libxcb1-dev clang libclang-rt-14-dev"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Paquets manquants :$missing (lancez ce script en root pour les installer)" >&2
        exit 1
    fi
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
fi

build=build
# The benchmarks measure a Release build of their own.
[ "$action" = bench ] && build=build-rel
if [ ! -f "$build/build.ninja" ]; then
    type=RelWithDebInfo
    [ "$build" = build-rel ] && type=Release
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=$type \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --build "$build" --parallel "$(nproc)"

# Every benchmark, each figure beside its reference or floor measured in the
# same run ("ms", "référence", "rapport", "cible"): the load, the start-up and
# the windows (on an X server of 1600 x 900, xcb), the catalogue, then the
# rest. The machine's load is told first: the figures mean little on a busy one.
bench() {
    echo "Charge de la machine : $(cat /proc/loadavg)"
    tableau="--benchmark_counters_tabular=true"
    "$build/bench/bench_donnees" $tableau
    for b in demarrage fenetres; do
        [ -x "$build/bench/bench_$b" ] && xvfb-run -a -s "-screen 0 1600x900x24" \
            env QT_QPA_PLATFORM=xcb "$build/bench/bench_$b" $tableau
    done
    "$build/bench/bench_catalogue" $tableau
    for b in "$build"/bench/bench_*; do
        case "$b" in */bench_donnees|*/bench_demarrage|*/bench_fenetres|*/bench_catalogue) continue ;; esac
        [ -f "$b" ] && [ -x "$b" ] && "$b"
    done
    echo "Charge de la machine : $(cat /proc/loadavg)"
}

# The fuzz targets: clang with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, built apart from only what they need. Each runs
# for $1 seconds, or for $1 executions in all when it is written "10000000x",
# with $2 jobs, from its seeds (made from the test association) and the corpus
# earlier runs kept; what it finds goes to build-fuzz/trouvailles. The targets
# named after the first two arguments run, or all of them.
fuzz_build=build-fuzz
fuzz_cibles="fichier_donnees soldes selection historique import"
fuzz() {
    duree="${1:-3600}"; jobs="${2:-$(( ($(nproc) + 1) / 2 ))}"
    [ "$#" -gt 2 ] && shift 2 && fuzz_cibles="$*"
    for cible in $fuzz_cibles; do
        [ -f "fuzz/$cible.cpp" ] || { echo "Cible de fuzzing inconnue : $cible" >&2; exit 2; }
    done
    nombre="${duree%x}"
    case "$nombre" in ""|*[!0-9]*|0*) echo "Durée illisible : $duree (secondes, ou exécutions suivies de x)" >&2; exit 2 ;; esac
    case "$jobs" in ""|*[!0-9]*|0*) echo "Nombre de tâches illisible : $jobs" >&2; exit 2 ;; esac
    if [ "$nombre" != "$duree" ]; then
        limite="-runs=$(( (nombre + jobs - 1) / jobs ))"; duree="$nombre exécutions"
    else
        limite="-max_total_time=$duree"; duree="$duree s"
    fi
    if [ ! -f "$fuzz_build/build.ninja" ]; then
        cmake -S fuzz -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    fi
    cmake --build "$fuzz_build" --parallel "$(nproc)"
    paral=""
    [ "$jobs" -gt 1 ] && paral="-jobs=$jobs -workers=$jobs"
    for cible in $fuzz_cibles; do
        echo "== fuzz_$cible : $duree, $jobs tâche(s)"
        statut=0
        ( cd "$fuzz_build" && mkdir -p "corpus-$cible" trouvailles && rm -f fuzz-*.log && \
          LSAN_OPTIONS="suppressions=$PWD/../fuzz/lsan.supp" ASAN_OPTIONS="max_malloc_fill_size=0" \
          QT_QPA_PLATFORM=offscreen "./fuzz_$cible" "$limite" -timeout=10 -rss_limit_mb=2560 \
              $paral -print_final_stats=1 -artifact_prefix=trouvailles/ "corpus-$cible" "corpus/$cible" \
              > "fuzz_$cible.log" 2>&1 ) || statut=$?
        grep -hE "^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|ERROR|SUMMARY|propriété" \
            "$fuzz_build/fuzz_$cible.log" "$fuzz_build"/fuzz-*.log 2>/dev/null || true
        if [ -n "$paral" ]; then
            cat "$fuzz_build"/fuzz-*.log | awk -v c="$cible" \
                '/^stat::number_of_executed_units/ { n += $2 } END { print "fuzz_" c " : " n " exécutions en tout" }'
        fi
        if [ "$statut" -ne 0 ] || [ -n "$(ls "$fuzz_build/trouvailles" 2>/dev/null)" ]; then
            echo "fuzz_$cible a trouvé une faute (journal : $fuzz_build/fuzz_$cible.log) :" >&2
            ls "$fuzz_build/trouvailles" >&2
            exit 1
        fi
    done
}

case "$action" in
    run)   exec "$build/trovane" ;;
    test)  ( cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --repeat until-pass:2 )
           fuzz 20 1 ;;
    bench) bench ;;
    fuzz)  shift; fuzz "$@" ;;
    *)     echo "usage: $0 [run|test|bench|fuzz [secondes, ou exécutions suivies de x] [tâches] [cibles]]" >&2; exit 2 ;;
esac
