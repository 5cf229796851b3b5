#!/bin/sh
# Runs every benchmark of a build: ./bench/run.sh <builddir>
# The benchmarks keep their generated trees in <builddir>/bench-data so later
# runs reuse them (removing them is `rm -rf <builddir>/bench-data`); nothing
# runs on the machine's own folders. bench_fs prints the table of walks,
# removal and memory against du, ncdu, gdu, find and rm.
set -u
build=${1:-build}
bin="$build/bench"
src=$(dirname "$0")
[ -d "$bin" ] || { echo "no benchmarks built in $bin (run: cmake --build $build --target bench_all)" >&2; exit 1; }
mkdir -p "$build/bench-data"
status=0
# Only benchmarks that still have a source: a stale binary of a retired one
# is left alone.
for s in "$src"/bench_*.cpp; do
    name=$(basename "$s" .cpp)
    b="$bin/$name"
    [ -f "$b" ] && [ -x "$b" ] || { echo "== $name: not built" >&2; status=1; continue; }
    echo "== $name"
    case "$name" in
        bench_fs|bench_clean|bench_history) "$b" "$build/bench-data" || status=1 ;;
        bench_treemap_ui) QT_QPA_PLATFORM=offscreen "$b" || status=1 ;;
        *) "$b" || status=1 ;;
    esac
done
exit $status
