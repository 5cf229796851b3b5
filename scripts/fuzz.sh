#!/bin/sh
# `make fuzz`: builds the fuzz targets of fuzz/ with clang, libFuzzer and the
# address and undefined-behaviour sanitizers in their own build folder, then
# runs each for FUZZ_SECONDS (default 60) from its seed corpus. Any crash,
# leak, time-out or sanitizer report fails the run; the input that caused it
# is left in $FUZZ_BUILD/fuzz-artifacts/<target>/.
#
#   FUZZ_BUILD    build folder (build-fuzz)
#   FUZZ_SECONDS  seconds per target (60)
#   FUZZ_TARGETS  the targets to run, by name (all of fuzz/corpus/)
#   FUZZ_JOBS     targets run side by side (1)
#
# New inputs a run finds go to $FUZZ_BUILD/fuzz-corpus/<target>/, never into
# the seed folders; add one to fuzz/corpus/ by hand when it is worth keeping
# (`-merge=1` keeps only those that add coverage).
set -eu
cd "$(dirname "$0")/.."

BUILD=${FUZZ_BUILD:-build-fuzz}
SECONDS_EACH=${FUZZ_SECONDS:-60}
JOBS=${FUZZ_JOBS:-1}
TARGETS=${FUZZ_TARGETS:-$(ls fuzz/corpus)}

if ! command -v clang++ >/dev/null 2>&1 \
    || [ ! -e "$(clang++ -print-resource-dir)/lib/linux/libclang_rt.fuzzer-$(uname -m).a" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Fuzzing needs clang and libFuzzer:" >&2
        echo "    sudo apt-get install -y --no-install-recommends clang libclang-rt-14-dev" >&2
        exit 1
    fi
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends clang libclang-rt-14-dev
fi

if [ ! -f "$BUILD/build.ninja" ]; then
    launcher=""
    command -v ccache >/dev/null 2>&1 && launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
    # Debug keeps Qt's own checks (an index out of range asserts); -O1 keeps
    # the runs fast enough.
    CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DVARNHOLT_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" $launcher
fi
cmake --build "$BUILD" --target fuzz_all

# Like the tests, the runs get a home, XDG folders and a temporary folder of
# their own.
sandbox="$(pwd)/$BUILD/fuzz-sandbox"
for d in home config data cache tmp; do mkdir -p "$sandbox/$d"; done
export HOME="$sandbox/home" XDG_CONFIG_HOME="$sandbox/config" XDG_DATA_HOME="$sandbox/data" \
    XDG_CACHE_HOME="$sandbox/cache" TMPDIR="$sandbox/tmp" LANG=C.UTF-8 LC_ALL=C.UTF-8
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

run() {
    name=$1
    work="$BUILD/fuzz-corpus/$name"
    artifacts="$BUILD/fuzz-artifacts/$name"
    mkdir -p "$work" "$artifacts"
    dict=""
    [ -f "fuzz/dict/$name.dict" ] && dict="-dict=fuzz/dict/$name.dict"
    # shellcheck disable=SC2086
    "$BUILD/fuzz/fuzz_$name" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=4096 \
        -max_len=8192 -print_final_stats=1 -artifact_prefix="$artifacts/" $dict \
        "$work" "fuzz/corpus/$name" >"$BUILD/fuzz-$name.log" 2>&1
}

status=0
pids=""
for name in $TARGETS; do
    (
        if run "$name"; then
            echo "fuzz_$name: $(grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec' "$BUILD/fuzz-$name.log" | tr -s ' ' | tr '\n' ' ')"
        else
            echo "fuzz_$name FAILED: see $BUILD/fuzz-$name.log and $BUILD/fuzz-artifacts/$name/" >&2
            tail -n 40 "$BUILD/fuzz-$name.log" >&2
            exit 1
        fi
    ) &
    pids="$pids $!"
    if [ "$(echo $pids | wc -w)" -ge "$JOBS" ]; then
        for pid in $pids; do wait "$pid" || status=1; done
        pids=""
    fi
done
for pid in $pids; do wait "$pid" || status=1; done
exit $status
