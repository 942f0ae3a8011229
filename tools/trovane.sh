#!/bin/sh
# Installs what Trovane needs on Debian 12 (when missing), builds it, then
# either starts the program (run), runs every test (test) or the benchmarks (bench).
set -eu
cd "$(dirname "$0")/.."
action="${1:-run}"

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev \
fonts-liberation fonts-symbola libgtest-dev libgmock-dev libbenchmark-dev poppler-utils ccache qt6-translations-l10n xvfb xauth"
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
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --build "$build" --parallel "$(nproc)"

case "$action" in
    run)   exec "$build/trovane" ;;
    test)  cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" ;;
    bench) for b in "$build"/bench/bench_*; do [ -f "$b" ] && [ -x "$b" ] && "$b"; done ;;
    *)     echo "usage: $0 [run|test|bench]" >&2; exit 2 ;;
esac
