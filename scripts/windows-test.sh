#!/usr/bin/env bash
# The Windows half of `make test`: cross-builds the tree for 64-bit Windows
# (scripts/windows-build.sh, which reuses its build folder) and runs it under
# Wine in a private prefix:
#   - every test the Windows build has (tests/CMakeLists.txt leaves out the
#     POSIX-only ones), with QT_QPA_PLATFORM=offscreen;
#   - varnholt-cli.exe end to end (tests/windows/cli-e2e.sh);
#   - varnholt.exe --background, which must start and quit cleanly;
#   - the installer, when NSIS is installed (tests/packaging/windows-installer.sh).
# Every program must exit with status 0; a crash, a hang or a failure fails
# the run. When this machine cannot build or run Windows programs (no cross
# compiler, no Qt for mingw-w64, no Wine) the run is skipped with a message and
# exits 0, so `make test` still passes there.
# Wine runs sandboxed under build-win/wine (tests/windows/sandbox.sh).
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VARNHOLT_WIN_BUILD:-$repo/build-win}
started=$(date +%s)

say() { echo "windows-test: $*"; }
skip() { say "skipped: $*"; exit 0; }
elapsed() { local s=$(( $(date +%s) - $1 )); printf '%dm %02ds' $((s / 60)) $((s % 60)); }

# Debian's wine64 keeps its loader in /usr/lib/wine; `wine` on the path
# starts it.
# `--check`: run nothing; exit 0 when this machine can build and run the
# Windows half, 77 when it would be skipped.
if [ "${1:-}" = --check ]; then
    skip() { exit 77; }
fi

for tool in wine wineserver wineboot winepath; do
    command -v "$tool" >/dev/null || skip "no $tool (Debian packages wine and wine64)"
done
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || skip "no 64-bit Wine (Debian package wine64)"

if [ "${1:-}" = --check ]; then
    "$repo/scripts/windows-build.sh" --check 2>/dev/null
    exit $?
fi

"$repo/scripts/windows-build.sh" -B "$build"
status=$?
[ "$status" -eq 77 ] && skip "no cross compiler or no Qt for mingw-w64 (see scripts/windows-build.sh)"
[ "$status" -eq 0 ] || { say "the Windows build failed"; exit 1; }
built=$(date +%s)

qt=$(dirname "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")")
root=$build/wine
rm -rf "$root"
mkdir -p "$root/results"
# shellcheck source=../tests/windows/sandbox.sh
. "$repo/tests/windows/sandbox.sh"
wine_sandbox "$root"
export WINEPATH="Z:$qt/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib;Z:/usr/x86_64-w64-mingw32/bin"
# Wine hands no QT_* variable to a Windows program, but WINEQT_X as QT_X.
# The offscreen platform of Qt for Windows has no fonts of its own.
export WINEQT_PLUGIN_PATH="Z:$qt/plugins" VARNHOLT_LANG=en
export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu
wine_sandbox_boot "$root/wineboot.log" || { say "wineboot failed"; cat "$root/wineboot.log"; exit 1; }

failed=()
passed=0

# Runs one Windows program with a time limit; on a hang the prefix's
# processes are ended so the next program starts clean.
run_limited() {
    local limit=$1; shift
    timeout --kill-after=10 "$limit" "$@"
    local rc=$?
    if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
        wineserver -k >/dev/null 2>&1
    fi
    return "$rc"
}

record() {
    local name=$1 rc=$2 log=$3 took=$4
    if [ "$rc" -eq 0 ]; then
        passed=$((passed + 1))
        printf '  %-30s passed  %5ss\n' "$name" "$took"
    else
        failed+=("$name")
        printf '  %-30s FAILED  %5ss (status %s)\n' "$name" "$took" "$rc"
        [ -f "$log" ] && grep -a -E '^(FAIL!|QFATAL|   Loc:|   Actual|   Expected)|failure location|wine:|Unhandled|^ERROR' "$log" | head -n 40 | sed 's/^/      /'
    fi
}

say "tests under Wine (prefix $WINEPREFIX)"
tests_started=$(date +%s)
# The tests the build defines (a reused build folder may still hold the
# program of a test that is no longer built for Windows).
for name in $(ctest --test-dir "$build" -N | sed -n 's/^ *Test *#[0-9]*: *\(tst_[A-Za-z0-9_]*\)$/\1/p'); do
    exe=$build/tests/$name.exe
    [ -e "$exe" ] || { record "$name" 1 /dev/null 0; continue; }
    log=$root/results/$name.txt
    t0=$(date +%s)
    WINEQT_QPA_PLATFORM=offscreen run_limited 300 wine "$exe" -o "$(winepath -w "$log" 2>/dev/null || echo "$log"),txt" \
        >"$root/results/$name.out" 2>&1
    rc=$?
    # A failure that left no word at all, not even Wine's, is a start that
    # did not happen (seen now and then under load): once more, and said.
    if [ "$rc" -ne 0 ] && [ ! -s "$log" ] && [ ! -s "$root/results/$name.out" ]; then
        say "$name printed nothing and ended with $rc; running it once more"
        WINEQT_QPA_PLATFORM=offscreen run_limited 300 wine "$exe" -o "$(winepath -w "$log" 2>/dev/null || echo "$log"),txt" \
            >"$root/results/$name.out" 2>&1
        rc=$?
    fi
    cat "$root/results/$name.out" >>"$log" 2>/dev/null
    record "$name" "$rc" "$log" $(( $(date +%s) - t0 ))
done
tests_took=$(elapsed "$tests_started")

# Runs one check script (or command) and records it under `name`, with its
# output indented below.
run_check() {
    local name=$1; shift
    local t0 rc
    t0=$(date +%s)
    "$@" >"$root/results/$name.txt" 2>&1
    rc=$?
    sed 's/^/      /' "$root/results/$name.txt"
    record "$name" "$rc" /dev/null $(( $(date +%s) - t0 ))
}

check_installer() {
    "$repo/scripts/windows-package.sh" -B "$build" &&
        bash "$repo/tests/packaging/windows-installer.sh" "$(ls -t "$build"/varnholt-*-win64-setup.exe | head -n 1)"
}

say "varnholt-cli.exe end to end"
run_check cli-e2e bash "$repo/tests/windows/cli-e2e.sh" "$build/varnholt-cli.exe"
say "varnholt.exe --background starts and quits"
run_check background bash "$repo/tests/windows/background.sh" "$build/varnholt.exe"
if command -v makensis >/dev/null && [ -x "$repo/scripts/windows-package.sh" ]; then
    say "installer"
    run_check installer check_installer
else
    say "installer check skipped: no makensis (Debian package nsis)"
fi

wineserver -k >/dev/null 2>&1
say "build $(( built - started ))s, tests $tests_took, whole Windows part $(elapsed "$started")"
if [ "${#failed[@]}" -gt 0 ]; then
    say "${#failed[@]} failed, $passed passed: ${failed[*]} (logs in $root/results)"
    exit 1
fi
say "all $passed passed"
