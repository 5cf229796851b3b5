#!/usr/bin/env bash
# Installs and uninstalls the Windows setup program under Wine and checks
# what each leaves behind.
#
#   tests/packaging/windows-installer.sh SETUP_EXE [STAGE_DIR]
#
# STAGE_DIR (default: package/stage beside SETUP_EXE) is the folder the
# installer was made from; the installed tree must match it file for file.
# Wine runs in a private prefix under package/installer-check beside
# SETUP_EXE, with HOME and XDG_* pointed into it, so the real home folder is
# never touched.
#
# Exit status: 0 passed, 1 failed, 77 skipped (no Wine or no 64-bit Wine, or
# no setup program and no makensis to make one).
set -uo pipefail

SKIP=77
fail() { echo "windows-installer: FAIL: $*" >&2; exit 1; }
skip() { echo "windows-installer: skipped: $*" >&2; exit "$SKIP"; }
note() { echo "windows-installer: $*"; }

[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: $0 SETUP_EXE [STAGE_DIR]" >&2; exit 2; }
if [ ! -f "$1" ]; then
    command -v makensis >/dev/null || skip "no $1, and makensis (Debian package nsis) is missing to make one"
    fail "no setup program $1 (make windows-package)"
fi
setup=$(readlink -f "$1")
stage=${2:-$(dirname "$setup")/package/stage}
[ -d "$stage" ] || fail "no staging folder $stage"

version=$(basename "$setup" | sed -n 's/^varnholt-\([0-9.]*\)-win64-setup\.exe$/\1/p')
[ -n "$version" ] || fail "$(basename "$setup") is not named varnholt-<version>-win64-setup.exe"

find_tool() {
    local name
    for name in "$@"; do
        if command -v "$name" >/dev/null 2>&1; then command -v "$name"; return 0; fi
        if [ -x "/usr/lib/wine/$name" ]; then echo "/usr/lib/wine/$name"; return 0; fi
    done
    return 1
}
wine=$(find_tool wine64 wine) || skip "wine is missing (Debian packages wine, wine64)"
wineserver=$(find_tool wineserver) || skip "wineserver is missing (Debian package wine64)"

started=$(date +%s)
work=$(dirname "$setup")/package/installer-check
# Only the prefix and home this script makes are ever removed.
rm -rf "${work:?}/prefix" "${work:?}/home"
mkdir -p "$work/home"

# shellcheck source=../windows/sandbox.sh
. "$(dirname "${BASH_SOURCE[0]}")/../windows/sandbox.sh"
wine_sandbox "$work"

# Ends what still runs in the private prefix when the script stops.
trap '"$wineserver" -k >/dev/null 2>&1' EXIT

w() { "$wine" "$@"; }
# A Wine call made while the server of the one before is still going down
# now and then answers nothing: asked again, up to three times.
answer() {
    local out
    for _ in 1 2 3; do
        out=$("$@" 2>/dev/null | tr -d '\r')
        [ -n "$out" ] && break
        sleep 1
    done
    printf '%s\n' "$out"
}
unix_path() { answer w winepath.exe -u "$1"; }
win_env() { answer w cmd.exe /c "echo %$1%"; }

note "creating the Wine prefix"
w wineboot.exe --init >/dev/null 2>&1 || skip "wineboot failed (a 64-bit Wine is needed)"
"$wineserver" -w

local_win=$(win_env LOCALAPPDATA)
appdata_win=$(win_env APPDATA)
[ -n "$local_win" ] && [ -n "$appdata_win" ] || fail "Wine reports no LOCALAPPDATA/APPDATA"
inst_win="$local_win\\Programs\\Varnholt"
inst=$(unix_path "$inst_win")
local_unix=$(unix_path "$local_win")
shortcut=$(unix_path "$appdata_win\\Microsoft\\Windows\\Start Menu\\Programs\\Varnholt.lnk")
[ -n "$inst" ] && [ -n "$shortcut" ] || fail "winepath does not work"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnholt'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
approved_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\Run'
settings_key='HKCU\Software\Varnholt'
uninstaller='Uninstall Varnholt.exe'

# The value of NAME under KEY, or nothing (status 1) when it is missing.
reg_value() {
    local out
    out=$(w reg.exe query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
    printf '%s\n' "$out" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep . || return 1
}
reg_set() { w reg.exe add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "could not set $1\\$2"; }

# The processes of varnholt.exe in this prefix, as host process ids.
app_pids() {
    local pid
    for pid in $(pgrep -f 'varnholt\.exe' 2>/dev/null); do
        { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}

# Waits up to $2 seconds for the file $1 to disappear.
wait_gone() {
    local _
    for _ in $(seq 1 "$2"); do [ -e "$1" ] || return 0; sleep 1; done
    [ ! -e "$1" ]
}

# The program's settings and cleanup logs, which only an uninstall asked to
# remove them takes; and things beside them that no uninstall touches: a
# key and a folder of similar names, a file in the logs folder that is no
# cleanup log, and the Recycle Bin's contents (Wine's is the desktop trash).
log_dir="$local_unix/Varnholt/logs"
log="$log_dir/cleanup-20240102-030405.log"
beside_key='HKCU\Software\Varnholt Tools'
beside_files=("$log_dir/my notes.txt" "$local_unix/Varnholt Tools/keep.txt" "$XDG_DATA_HOME/Trash/files/old report.txt")
plant_user_data() {
    reg_set "$settings_key\Varnholt" theme REG_SZ dark
    reg_set "$beside_key" probe REG_SZ kept
    local f
    for f in "$log" "${beside_files[@]}"; do
        mkdir -p "$(dirname "$f")"
        echo "cleaned 3 files" > "$f"
    done
}

check_installed() {
    local switches=$1 expected actual
    # The installed tree is the staged one plus the uninstaller, byte for byte.
    expected=$( (cd "$stage" && find . -type f -printf '%P\n'; echo "$uninstaller") | sort)
    actual=$( (cd "$inst" 2>/dev/null && find . -type f -printf '%P\n') | sort)
    [ "$expected" = "$actual" ] || fail "[$switches] installed files differ from the stage:
$(diff <(echo "$expected") <(echo "$actual"))"
    while IFS= read -r f; do
        cmp -s "$stage/$f" "$inst/$f" || fail "[$switches] $f differs from the staged copy"
    done < <(cd "$stage" && find . -type f -printf '%P\n')
    [ -f "$shortcut" ] || fail "[$switches] no Start menu shortcut $shortcut"

    local name want got
    while read -r name want; do
        got=$(reg_value "$uninstall_key" "$name") || fail "[$switches] $uninstall_key has no $name"
        [ "$got" = "$want" ] || fail "[$switches] $name is '$got', expected '$want'"
    done <<EOF
DisplayName Varnholt
DisplayVersion $version
Publisher Quorvane Technology Limited
InstallLocation $inst_win
UninstallString "$inst_win\\$uninstaller"
QuietUninstallString "$inst_win\\$uninstaller" /S
DisplayIcon $inst_win\\varnholt.exe,0
NoModify 0x1
NoRepair 0x1
EOF
    got=$(reg_value "$uninstall_key" EstimatedSize) || fail "[$switches] no EstimatedSize"
    [ $((got)) -gt 1000 ] || fail "[$switches] EstimatedSize $got KiB is implausible"

    local out rc
    out=$(cd "$inst" && w ./varnholt-cli.exe --version 2>&1 | tr -d '\r'); rc=$?
    [ "$rc" = 0 ] || fail "[$switches] varnholt-cli.exe --version exited with $rc: $out"
    [[ $out == *"$version"* ]] || fail "[$switches] varnholt-cli.exe --version printed '$out', not $version"
    note "[$switches] installed: $(echo "$actual" | wc -l) files, shortcut, uninstall key; cli: $out"
}

check_uninstalled() {
    local switches=$1 run_kept=$2 data_removed=$3 left
    # Only the user's own file may remain in the install folder.
    left=$( (cd "$inst" 2>/dev/null && find . -mindepth 1 -printf '%P\n') | sort)
    [ "$left" = "my notes.txt" ] || fail "[$switches] the install folder holds '$left' after uninstalling, expected only the user's file"
    [ "$(cat "$inst/my notes.txt")" = "mine" ] || fail "[$switches] the user's file changed"
    rm -f "$inst/my notes.txt"
    rmdir "$inst" || fail "[$switches] could not remove the emptied install folder"
    [ ! -e "$shortcut" ] || fail "[$switches] the Start menu shortcut is still there"
    ! w reg.exe query "$uninstall_key" >/dev/null 2>&1 || fail "[$switches] $uninstall_key is still there"
    if [ "$run_kept" = yes ]; then
        reg_value "$run_key" Varnholt >/dev/null || fail "[$switches] another copy's start-at-login value was removed"
        reg_value "$approved_key" Varnholt >/dev/null || fail "[$switches] another copy's StartupApproved value was removed"
        w reg.exe delete "$run_key" /v Varnholt /f >/dev/null 2>&1
        w reg.exe delete "$approved_key" /v Varnholt /f >/dev/null 2>&1
    else
        ! reg_value "$run_key" Varnholt >/dev/null || fail "[$switches] the start-at-login value is still there"
        ! reg_value "$approved_key" Varnholt >/dev/null || fail "[$switches] the StartupApproved value is still there"
    fi
    local f
    for f in "${beside_files[@]}"; do
        [ -f "$f" ] || fail "[$switches] $f is gone"
    done
    [ "$(reg_value "$beside_key" probe)" = kept ] || fail "[$switches] $beside_key is gone"
    if [ "$data_removed" = yes ]; then
        ! w reg.exe query "$settings_key" >/dev/null 2>&1 || fail "[$switches] the settings under $settings_key are still there"
        [ ! -e "$log" ] || fail "[$switches] the log $log is still there"
        note "[$switches] uninstalled: folder, shortcut, keys, settings and logs gone; the user's files kept"
    else
        [ "$(reg_value "$settings_key\Varnholt" theme)" = dark ] || fail "[$switches] the settings under $settings_key are gone"
        [ -f "$log" ] || fail "[$switches] the log $log is gone"
        note "[$switches] uninstalled: folder, shortcut and keys gone; settings, logs and the user's files kept"
    fi
}

# Each row: the install switches; whether the installer starts the program
# (--updated); whose start-at-login value is planted (ours is removed by the
# uninstaller, another copy's kept); the uninstall switches (the settings and
# logs go only with /REMOVEUSERDATA).
rows=(
    "/S|no|ours|/S"
    "/SILENT /SP- /SUPPRESSMSGBOXES /NORESTART /CLOSEAPPLICATIONS /update=1|yes|other|/S /REMOVEUSERDATA"
)

for row in "${rows[@]}"; do
    IFS='|' read -r switches starts run_owner unswitches <<<"$row"
    # shellcheck disable=SC2086 # the switches are separate arguments
    w "$setup" $switches >/dev/null 2>&1
    rc=$?
    [ "$rc" = 0 ] || fail "[$switches] the installer exited with $rc"
    # A silent installer returns when done; the uninstaller it wrote must be
    # there by then.
    [ -f "$inst/$uninstaller" ] || fail "[$switches] the installer returned before installing"
    check_installed "$switches"

    if [ "$starts" = yes ]; then
        for _ in $(seq 1 20); do [ -n "$(app_pids)" ] && break; sleep 1; done
        [ -n "$(app_pids)" ] || fail "[$switches] the installer did not start varnholt.exe --updated"
        grep -qa -- '--updated' /proc/"$(app_pids | head -n 1)"/cmdline ||
            fail "[$switches] varnholt.exe was started without --updated"
        note "[$switches] varnholt.exe --updated runs"
        # Settled, the program answers WM_CLOSE by staying in the tray. A copy
        # that does not close when asked is never forced: the uninstaller,
        # run in place (so it waits), stops and removes nothing. One that
        # does close is uninstalled, all but the running uninstaller.
        sleep 5
        w "$inst/$uninstaller" /S "_?=$inst_win" >/dev/null 2>&1
        rc=$?
        if [ "$rc" != 0 ]; then
            [ -n "$(app_pids)" ] || fail "[$switches] the uninstaller failed ($rc) though the program closed"
            check_installed "$switches, refused while running"
        else
            [ -z "$(app_pids)" ] || fail "[$switches] the uninstaller went ahead while the program runs"
            [ "$(cd "$inst" && find . -mindepth 1 -printf '%P\n')" = "$uninstaller" ] ||
                fail "[$switches] the in-place uninstall left more than itself"
            note "[$switches] the program closed when asked; uninstalled in place"
        fi
        # The test's own processes in the private prefix.
        "$wineserver" -k >/dev/null 2>&1
        "$wineserver" -w
        [ -z "$(app_pids)" ] || fail "could not end the test's varnholt.exe"
        [ -f "$inst/$uninstaller" ] || fail "[$switches] the uninstaller removed itself while run in place"
    fi

    # Planted after installing: start at login, and a file of the user's.
    if [ "$run_owner" = ours ]; then
        reg_set "$run_key" Varnholt REG_SZ "\"$inst_win\\varnholt.exe\" --background"
    else
        reg_set "$run_key" Varnholt REG_SZ "\"C:\\Tools\\Varnholt\\varnholt.exe\" --background"
    fi
    reg_set "$approved_key" Varnholt REG_BINARY 020000000000000000000000
    echo mine > "$inst/my notes.txt"
    plant_user_data

    # The uninstaller copies itself to the temporary folder and returns at
    # once; the copy removes the original last.
    # shellcheck disable=SC2086 # the switches are separate arguments
    w "$inst/$uninstaller" $unswitches >/dev/null 2>&1 || fail "[$switches] the uninstaller did not start"
    wait_gone "$inst/$uninstaller" 60 || fail "[$switches] the uninstaller did not finish within 60 s"
    "$wineserver" -w
    check_uninstalled "$switches; uninstalled with $unswitches" "$([ "$run_owner" = ours ] && echo no || echo yes)" \
        "$([[ $unswitches == *REMOVEUSERDATA* ]] && echo yes || echo no)"
done

# The prefix (some 700 MB) stays only when a check failed, for a look.
"$wineserver" -k >/dev/null 2>&1
"$wineserver" -w
rm -rf "${work:?}/prefix" "${work:?}/home"
rmdir "$work" 2>/dev/null
elapsed=$(( $(date +%s) - started ))
note "passed in ${elapsed}s"
