# Sourced by the Windows checks: `wine_sandbox DIR` points Wine at a private
# prefix in DIR/prefix and HOME, the XDG folders and TMPDIR at DIR/home. Wine
# links the profile's Documents and Desktop to $HOME and its Recycle Bin to
# the desktop trash, so neither may be the real one. No Mono or Gecko
# prompts, no menu entries, no crash dialog waiting for a click (a crash
# prints its backtrace and ends the program with an error status), no
# display unless the caller starts one.
wine_sandbox() {
    local dir=$1
    export WINEPREFIX=$dir/prefix WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export HOME=$dir/home XDG_CONFIG_HOME=$dir/home/.config XDG_DATA_HOME=$dir/home/.local/share
    export XDG_CACHE_HOME=$dir/home/.cache XDG_STATE_HOME=$dir/home/.local/state
    export XDG_RUNTIME_DIR=$dir/home/.run TMPDIR=$dir/home/.tmp
    mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DISPLAY WAYLAND_DISPLAY
}

# Creates the prefix (wineboot) with the crash dialog switched off.
wine_sandbox_boot() {
    wineboot -i >"$1" 2>&1 || return 1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
}
