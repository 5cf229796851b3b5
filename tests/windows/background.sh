#!/usr/bin/env bash
# varnholt.exe --background under Wine, in the prefix the caller set up: the
# program must start (and still run ten seconds later), then quit on the close
# request Windows sends at log-off or from an installer (taskkill without /F),
# with status 0. Wine's windows need an X server: without DISPLAY the check
# runs itself under xvfb-run.
#
#     background.sh path/to/varnholt.exe
set -uo pipefail
exe=${1:?varnholt.exe}
if [ -z "${DISPLAY:-}" ]; then
    command -v xvfb-run >/dev/null || { echo "no X server and no xvfb-run (package xvfb)"; exit 1; }
    exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
out=$(mktemp "${TMPDIR:-/tmp}/background.XXXXXX")
trap 'rm -f "$out"' EXIT

wine "$exe" --background >"$out" 2>&1 &
pid=$!
sleep 10
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"
    echo "FAIL: varnholt.exe --background ended within ten seconds (status $?)"
    cat "$out"
    exit 1
fi
echo "ok: varnholt.exe --background is running"
wine taskkill /IM varnholt.exe >/dev/null 2>&1
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$pid" 2>/dev/null; then
    echo "FAIL: varnholt.exe did not quit within 20 s of the close request"
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
echo "ok: varnholt.exe quit on the close request with status 0"
