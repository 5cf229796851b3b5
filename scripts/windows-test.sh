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
#
# Wine links the profile's Documents, Desktop and the Recycle Bin to $HOME and
# its trash, so HOME and the XDG folders point into the build folder too.
set -uo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VARNHOLT_WIN_BUILD:-$repo/build-win}
started=$(date +%s)

say() { echo "windows-test: $*"; }
skip() { say "skipped: $*"; exit 0; }
elapsed() { local s=$(( $(date +%s) - $1 )); printf '%dm %02ds' $((s / 60)) $((s % 60)); }

# Debian's wine64 keeps its loader in /usr/lib/wine; `wine` on the path
# starts it.
for tool in wine wineserver wineboot winepath; do
    command -v "$tool" >/dev/null || skip "no $tool (Debian packages wine and wine64)"
done
[ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || skip "no 64-bit Wine (Debian package wine64)"

"$repo/scripts/windows-build.sh" -B "$build"
status=$?
[ "$status" -eq 77 ] && skip "no cross compiler or no Qt for mingw-w64 (see scripts/windows-build.sh)"
[ "$status" -eq 0 ] || { say "the Windows build failed"; exit 1; }
built=$(date +%s)

qt=$(dirname "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")")
root=$build/wine
rm -rf "$root"
mkdir -p "$root/home" "$root/results"
export WINEPREFIX=$root/prefix
export HOME=$root/home XDG_CONFIG_HOME=$root/home/.config XDG_DATA_HOME=$root/home/.local/share
export XDG_CACHE_HOME=$root/home/.cache XDG_RUNTIME_DIR=$root/home/.run TMPDIR=$root/home/.tmp
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:$qt/bin;Z:/usr/lib/gcc/x86_64-w64-mingw32/12-posix;Z:/usr/x86_64-w64-mingw32/lib;Z:/usr/x86_64-w64-mingw32/bin"
# Wine hands no QT_* variable to a Windows program, but WINEQT_X as QT_X.
# The offscreen platform of Qt for Windows has no fonts of its own.
export WINEQT_PLUGIN_PATH="Z:$qt/plugins" VARNHOLT_LANG=en
export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/dejavu
unset DISPLAY WAYLAND_DISPLAY

# Wine must not wait for anyone: a crash prints its backtrace and ends the
# program with an error status instead of opening a dialog.
wineboot -i >"$root/wineboot.log" 2>&1 || { say "wineboot failed"; cat "$root/wineboot.log"; exit 1; }
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w

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
    cat "$root/results/$name.out" >>"$log" 2>/dev/null
    record "$name" "$rc" "$log" $(( $(date +%s) - t0 ))
done
tests_took=$(elapsed "$tests_started")

say "varnholt-cli.exe end to end"
t0=$(date +%s)
bash "$repo/tests/windows/cli-e2e.sh" "$build/varnholt-cli.exe" >"$root/results/cli-e2e.txt" 2>&1
rc=$?
sed 's/^/      /' "$root/results/cli-e2e.txt"
record cli-e2e "$rc" /dev/null $(( $(date +%s) - t0 ))

say "varnholt.exe --background starts and quits"
t0=$(date +%s)
bash "$repo/tests/windows/background.sh" "$build/varnholt.exe" >"$root/results/background.txt" 2>&1
rc=$?
sed 's/^/      /' "$root/results/background.txt"
record background "$rc" /dev/null $(( $(date +%s) - t0 ))

if command -v makensis >/dev/null && [ -x "$repo/scripts/windows-package.sh" ]; then
    say "installer"
    t0=$(date +%s)
    { "$repo/scripts/windows-package.sh" -B "$build" &&
        bash "$repo/tests/packaging/windows-installer.sh" "$(ls -t "$build"/varnholt-*-win64-setup.exe | head -n 1)"; } \
        >"$root/results/installer.txt" 2>&1
    rc=$?
    sed 's/^/      /' "$root/results/installer.txt"
    record installer "$rc" /dev/null $(( $(date +%s) - t0 ))
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
