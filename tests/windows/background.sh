#!/usr/bin/env bash
# varnholt.exe --background under Wine, in the prefix the caller set up: the
# program must start (and still run fifteen seconds later, settled in the
# tray), then quit when asked the way its installer asks (askquit.c), with
# status 0. Wine's windows and tray need an X server: without DISPLAY the
# check runs itself under xvfb-run.
#
#     background.sh path/to/varnholt.exe
set -uo pipefail
exe=${1:?varnholt.exe}
if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "no X server and no xvfb-run (package xvfb)"; exit 1; }
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/background.XXXXXX")
trap 'rm -rf "$work"' EXIT
out=$work/out.txt
x86_64-w64-mingw32-gcc -O2 "$here/askquit.c" -o "$work/askquit.exe" || { echo "FAIL: askquit.exe does not build"; exit 1; }

# A Wine session still ending from an earlier check (its desktop started
# without this display) would take the program in, and its windows, the one
# that receives the request to quit among them, could not be made.
wineserver -k >/dev/null 2>&1
wineserver -w
wine "$exe" --background >"$out" 2>&1 &
pid=$!
sleep 15
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "FAIL: varnholt.exe --background ended within fifteen seconds (status $?)"
    cat "$out"
    exit 1
fi
echo "ok: varnholt.exe --background is running"
if ! wine "$work/askquit.exe"; then
    echo "FAIL: no varnholt.exe to ask"
    wineserver -k
    exit 1
fi
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: varnholt.exe did not quit within 20 s of being asked"
    wineserver -k
    exit 1
fi
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FAIL: varnholt.exe quit with status $status"
    cat "$out"
    exit 1
fi
echo "ok: varnholt.exe quit when asked, with status 0"
