#!/bin/sh
# Runs every benchmark of a build: ./bench/run.sh <builddir>
# The file-system benchmark keeps its generated tree in the build folder so
# later runs reuse it (generating takes a minute or two; removing it is
# `rm -rf <builddir>/bench-data`).
set -u
build=${1:-build}
bin="$build/bench"
[ -d "$bin" ] || { echo "no benchmarks built in $bin (run: cmake --build $build --target bench_all)" >&2; exit 1; }
status=0
for b in "$bin"/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    name=$(basename "$b")
    echo "== $name"
    case "$name" in
        bench_fs) mkdir -p "$build/bench-data"; "$b" "$build/bench-data/fs-tree" || status=1 ;;
        bench_climemory) mkdir -p "$build/bench-data"; "$b" "$build/bench-data/fs-tree" || status=1 ;;
        bench_largefiles) mkdir -p "$build/bench-data"; "$b" "$build/bench-data/fs-tree" || status=1 ;;
        bench_clean) mkdir -p "$build/bench-data"; "$b" "$build/bench-data" || status=1 ;;
        bench_treemap_ui) QT_QPA_PLATFORM=offscreen "$b" || status=1 ;;
        *) "$b" || status=1 ;;
    esac
done
exit $status
