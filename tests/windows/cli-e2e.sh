#!/usr/bin/env bash
# varnholt-cli.exe end to end under Wine, in the prefix the caller set up
# (WINEPREFIX, HOME and the XDG folders private; see scripts/windows-test.sh):
# plants temp files with old and young write times, a build folder a command
# prompt works in, a Chrome cache with one
# file held open by another Windows process, and a file in the Recycle Bin
# (Wine's bin is the desktop trash under XDG_DATA_HOME); then scan --json,
# clean to the bin, clean for good, large and measure, checking what went,
# what stayed, the reports and the logs (CRLF line ends, one line per
# outcome); last, what a console shows of a name with umlauts and of the
# scan table. Whatever their write times, the temp files were made a moment
# ago (their change and creation times say so): the real catalogue's day
# rule keeps them, and the cleans run over a catalogue file whose temp rule
# is two seconds.
#
#     cli-e2e.sh path/to/varnholt-cli.exe
set -uo pipefail
cli=${1:?varnholt-cli.exe}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/cli-e2e.XXXXXX")
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
check() { if eval "$2"; then ok "$1"; else fail "$1"; fi; }

profile=$(winepath -u "$(wine cmd /c 'echo %USERPROFILE%' 2>/dev/null | tr -d '\r')")
temp=$(winepath -u "$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')")
local_app=$profile/AppData/Local
[ -d "$profile" ] && [ -d "$temp" ] || { echo "no Wine profile under $profile"; exit 1; }
cache="$local_app/Google/Chrome/User Data/Default/Cache/Cache_Data"
bin=${XDG_DATA_HOME:?}/Trash

plant() {  # path bytes [age]
    mkdir -p "$(dirname "$1")"
    head -c "$2" /dev/zero | tr '\0' 'v' >"$1"
    [ -n "${3:-}" ] && touch -d "$3" "$1"
    return 0
}
plant "$temp/e2e-old.tmp" 200000 '3 days ago'
plant "$temp/e2e-olddir/inner.tmp" 50000 '3 days ago'
touch -d '3 days ago' "$temp/e2e-olddir"
plant "$temp/e2e-young.tmp" 30000 '+1 hour'
# A build folder a command prompt works in, old as it may look.
plant "$temp/e2e-build/obj/a.o" 20000 '3 days ago'
wine cmd /c "cd /d $(winepath -w "$temp/e2e-build/obj") && ping -n 30 127.0.0.1 >nul" >/dev/null 2>&1 &
prompt_pid=$!
sleep 3
for i in 1 2 3; do plant "$cache/f_00000$i" 100000; done
plant "$cache/held" 70000
mkdir -p "$bin/files" "$bin/info"
plant "$bin/files/binned.txt" 40000
printf '[Trash Info]\nPath=/tmp/binned.txt\nDeletionDate=2026-12-01T10:00:00\n' >"$bin/info/binned.txt.trashinfo"

json() {  # file python-expression over `d`
    python3 -c 'import json,sys; d=json.load(open(sys.argv[1], encoding="utf-8")); print(eval(sys.argv[2]))' "$1" "$2"
}
category() {  # file id field
    json "$1" "[c for c in d['categories'] if c['id']=='$2'][0]['$3']"
}
newest_log() { ls -t "$local_app/Varnholt/logs"/cleanup-*.log 2>/dev/null | head -n 1; }

# --- scan
wine "$cli" scan --json >"$work/scan.json" 2>"$work/scan.err"
check "scan exits 0" "[ $? -eq 0 ]"
check "temp offers nothing unpacked a moment ago, whatever its write time" \
    "[ \"\$(json $work/scan.json \"len([c for c in d['categories'] if c['id']=='temp'][0]['items'])\")\" = 0 ]"
check "the scan names the folder the prompt works in" \
    "json $work/scan.json \"[c for c in d['categories'] if c['id']=='temp'][0].get('notes', [])\" | grep -q 'e2e-build is left out'"
check "browser finds the Chrome cache" "[ \"\$(category $work/scan.json browser files)\" = 4 ]"
check "the Recycle Bin holds the binned file" "[ \"\$(category $work/scan.json trash bytes)\" -ge 40000 ]"
check "items carry Windows paths" \
    "[ \"\$(json $work/scan.json \"[c for c in d['categories'] if c['id']=='browser'][0]['items'][0]['path'].startswith('C:' + chr(92))\")\" = True ]"

# --- the cleans: the temp folder with a rule of two seconds, waited out, and
# the Chrome cache as the catalogue has it
win() { winepath -w "$1" | tr '\\' /; }
cat >"$work/catalogue.json" <<EOF
{"categories": [
  {"id": "temp", "name": "Temporary files", "risk": 0,
   "roots": [{"path": "$(win "$temp")", "minAgeMs": 2000}]},
  {"id": "browser", "name": "Browser caches", "risk": 0,
   "roots": [{"path": "$(win "$cache")", "label": "Google Chrome · Default · Cache"}]}]}
EOF
sleep 2.5

# --- clean to the Recycle Bin. Wine's shell has no file operation to move
# things to the bin with (a stub); nothing may then be deleted for good
# instead: every entry stays and is reported, and the run says so (status 1).
VARNHOLT_CATALOGUE=$(win "$work/catalogue.json") wine "$cli" clean --category temp --category browser --trash --yes --json >"$work/trash.json" 2>"$work/trash.err"
status=$?
log=$(newest_log)
if [ "$(json "$work/trash.json" "d['trashedBytes']")" -gt 0 ]; then
    check "trash clean exits 0 when it moved everything" "[ $status -eq 0 ]"
else
    check "trash clean that moved nothing exits 1" "[ $status -eq 1 ]"
    check "nothing was deleted instead" "[ -f '$temp/e2e-old.tmp' ] && [ -f '$cache/f_000001' ]"
    check "the log gives the reason" "grep -q 'cannot be moved to the Recycle Bin here' '$log'"
    check "the report counts the skipped items" "[ \"\$(json $work/trash.json \"d['skippedCount']\")\" -ge 2 ]"
fi

# --- clean for good, with one cache file held open by another process
holder=$work/holder.exe
x86_64-w64-mingw32-gcc -municode -O2 "$here/holder.c" -o "$holder" || fail "holder.exe does not build"
wine "$holder" "$(winepath -w "$cache/held")" 60 >"$work/holder.out" 2>/dev/null &
holder_pid=$!
for _ in $(seq 1 50); do grep -q held "$work/holder.out" 2>/dev/null && break; sleep 0.2; done
check "the holder holds its file" "grep -q held '$work/holder.out'"
VARNHOLT_CATALOGUE=$(win "$work/catalogue.json") wine "$cli" clean --category temp --category browser --delete --yes --json >"$work/delete.json" 2>"$work/delete.err"
status=$?
log=$(newest_log)
check "a clean that leaves a held file exits 1" "[ $status -eq 1 ]"
check "old temp files are gone" "[ ! -e '$temp/e2e-old.tmp' ] && [ ! -e '$temp/e2e-olddir' ]"
check "the young temp file stayed" "[ -f '$temp/e2e-young.tmp' ]"
check "the folder the prompt works in stayed" "[ -f '$temp/e2e-build/obj/a.o' ]"
check "the free cache files are gone" "[ ! -e '$cache/f_000001' ] && [ ! -e '$cache/f_000003' ]"
check "the held file stayed" "[ -f '$cache/held' ]"
check "the report names the held file" \
    "json $work/delete.json \"d['skippedSamples']\" | grep -q 'held'"
check "freed bytes count what went" "[ \"\$(json $work/delete.json \"d['freedBytes']\")\" -ge 550000 ]"
check "the log is the one reported" \
    "[ \"\$(winepath -u \"\$(json $work/delete.json \"d['logPath']\")\")\" = '$log' ]"
check "every log line ends in CRLF" "[ -s '$log' ] && ! grep -qv \$'\\r\$' '$log'"
check "the log names the held file as skipped" "grep -a 'SKIPPED' '$log' | grep -q 'held'"
check "the log counts it" "grep -aq 'skipped 1\\.' '$log'"
kill "$holder_pid" "$prompt_pid" 2>/dev/null
wait "$holder_pid" "$prompt_pid" 2>/dev/null

# --- empty the Recycle Bin
wine "$cli" clean --category trash --delete --yes --json >"$work/bin.json" 2>"$work/bin.err"
check "emptying the bin exits 0" "[ $? -eq 0 ]"
check "the binned file is gone" "[ ! -e '$bin/files/binned.txt' ]"

# --- large and measure
plant "$profile/Documents/e2e-big.iso" 60000000
wine "$cli" large --threshold-mb 50 --json >"$work/large.json" 2>"$work/large.err"
check "large exits 0" "[ $? -eq 0 ]"
check "large lists the big file" "grep -q 'e2e-big.iso' '$work/large.json'"
wine "$cli" measure "$(winepath -w "$profile/Documents/e2e-big.iso")" --json >"$work/measure.json" 2>"$work/measure.err"
check "measure exits 0" "[ $? -eq 0 ]"
check "measure counts one file of at least its size" \
    "[ \"\$(json $work/measure.json \"d['files']\")\" = 1 ] && [ \"\$(json $work/measure.json \"d['bytes']\")\" -ge 60000000 ]"

# --- a console, not a pipe: Wine gives a program started on a terminal a
# console there, and script(1) opens one of the width asked. What reaches
# it comes back in the terminal's UTF-8 whatever the console's code page
# (437 here); control sequences are dropped before reading.
name='Steuererklärung 2023.pdf'
plant "$profile/Documents/$name" 5000
on_console() {  # columns command
    LC_ALL=C.UTF-8 script -qec "stty cols $1; $2" /dev/null | sed 's/\x1b\[[0-9;?]*[A-Za-z]//g' | tr -d '\r'
}
on_console 100 "wine '$cli' measure '$(winepath -w "$profile/Documents/$name")' 2>/dev/null" >"$work/console.out"
check "a name with umlauts reaches the console intact" "grep -q 'Documents.Steuererklärung' '$work/console.out'"
on_console 100 "wine '$cli' measure 'C:\\nowhere\\Müll.txt' >/dev/null" >"$work/console.err"
check "so does one in an error on the console" "grep -q 'nowhere.Müll.txt' '$work/console.err'"
wine "$cli" measure "$(winepath -w "$profile/Documents/$name")" >"$work/pipe.out" 2>&1
check "through a pipe the name is UTF-8" "grep -q 'Steuererklärung 2023.pdf' '$work/pipe.out'"
on_console 60 "wine '$cli' scan 2>/dev/null" >"$work/console-scan.out"
check "the scan table fits a console of 60 columns, paths cut" \
    "[ \$(sed '/^\$/q' '$work/console-scan.out' | LC_ALL=C.UTF-8 wc -L) -lt 60 ] && grep -q '^  C:.*…' '$work/console-scan.out'"
rm -rf "$profile/Documents/e2e-big.iso" "$profile/Documents/$name" "$temp/e2e-young.tmp" "$temp/e2e-build" "$cache/held"

if [ "$failures" -gt 0 ]; then
    echo "$failures checks failed; outputs:"
    for f in "$work"/*.json "$work"/*.err "$work"/*.out; do echo "--- $f"; head -c 3000 "$f"; echo; done
    exit 1
fi
echo "all checks passed"
