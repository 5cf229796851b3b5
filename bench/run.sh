#!/bin/sh
# Runs every benchmark of a build: ./bench/run.sh <builddir>
# The benchmarks keep their generated trees in <builddir>/bench-data so later
# runs reuse them (removing them is `rm -rf <builddir>/bench-data`); nothing
# runs on the machine's own folders. bench_fs prints the table of walks,
# removal and memory against du, ncdu, gdu, find and rm; bench_stall_ui the
# stalls of the window's event loop; bench_startup the time to a painted
# window. At the end, one table gathers every line of the form
#   RESULT <name> <value> <unit> <target-or-peer>
# that the benchmarks printed, each against its target ("<=N") or peer.
set -u
build=${1:-build}
bin="$build/bench"
src=$(dirname "$0")
[ -d "$bin" ] || { echo "no benchmarks built in $bin (run: cmake --build $build --target bench_all)" >&2; exit 1; }
mkdir -p "$build/bench-data" "$build/bench-data/runtime"
chmod 700 "$build/bench-data/runtime"
results="$build/bench-data/results.txt"
: > "$results"
status=0
# Only benchmarks that still have a source: a stale binary of a retired one
# is left alone.
for s in "$src"/bench_*.cpp; do
    name=$(basename "$s" .cpp)
    b="$bin/$name"
    [ -f "$b" ] && [ -x "$b" ] || { echo "== $name: not built" >&2; status=1; continue; }
    echo "== $name"
    out="$build/bench-data/$name.out"
    # Shown as it comes; the exit code goes through a file past the pipe.
    {
        case "$name" in
            bench_fs|bench_clean|bench_history|bench_startup) "$b" "$build/bench-data" ;;
            bench_stall_ui) QT_QPA_PLATFORM=offscreen "$b" "$build/bench-data" ;;
            bench_treemap_ui) QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/bench-data/runtime" "$b" ;;
            *) "$b" ;;
        esac
        echo $? > "$out.code"
    } 2>&1 | tee "$out" | grep -v '^RESULT '
    grep '^RESULT ' "$out" >> "$results"
    code=$(cat "$out.code")
    rm -f "$out" "$out.code"
    [ "$code" -eq 0 ] || { echo "== $name failed ($code)"; status=1; }
done

echo
echo "== summary (load average at the end: $(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null))"
awk '
    BEGIN { printf "%-34s %12s  %-6s %-10s %s\n", "figure", "value", "unit", "target", "" }
    $1 == "RESULT" {
        verdict = ""
        if ($5 ~ /^<=/) verdict = ($3 + 0 <= substr($5, 3) + 0) ? "met" : "MISSED"
        printf "%-34s %12s  %-6s %-10s %s\n", $2, $3, $4, $5, verdict
    }' "$results"
exit $status
