#!/usr/bin/env bash
# Builds the Windows installer: varnholt-<version>-win64-setup.exe.
#
#   scripts/windows-package.sh [-B DIR] [--no-build]
#
# Cross-builds varnholt and varnholt-cli (scripts/windows-build.sh), stages
# the programs with exactly the DLLs and Qt plugins they load into
# DIR/package/stage, and compiles packaging/windows/varnholt.nsi with
# makensis into DIR/varnholt-<version>-win64-setup.exe. The picture of its
# welcome and finish pages is drawn here from the program's icon
# (resources/logo.svg on packaging/windows/wizard.svg) with rsvg-convert
# and ImageMagick.
#
# The DLL set follows the PE imports, recursively, of the two programs and of
# the Qt plugins the program loads. Windows' own DLLs are not shipped; any
# other DLL that is found nowhere stops the script.
#
# Exits with 77 (the usual "skipped" status) when the Windows build cannot
# run here or makensis, rsvg-convert or ImageMagick is missing.
set -euo pipefail

SKIP=77
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VARNHOLT_WIN_BUILD:-$repo/build-win}
do_build=1
triplet=x86_64-w64-mingw32

die() { echo "windows-package: $*" >&2; exit 1; }
skip() { echo "windows-package: skipped: $*" >&2; exit "$SKIP"; }
note() { echo "windows-package: $*"; }

while [ $# -gt 0 ]; do
    case $1 in
        -B|--build-dir) [ $# -ge 2 ] || die "$1 needs a folder"; build=$2; shift 2 ;;
        --build-dir=*) build=${1#*=}; shift ;;
        --no-build) do_build=0; shift ;;
        -h|--help) sed -n '2,20s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
        *) die "unknown argument '$1' (see --help)" ;;
    esac
done
case $build in /*) ;; *) build=$PWD/$build ;; esac

started=$(date +%s)

command -v makensis >/dev/null || skip "makensis is missing (Debian package nsis)"
command -v rsvg-convert >/dev/null || skip "rsvg-convert is missing (Debian package librsvg2-bin)"
convert -version 2>/dev/null | grep -q ImageMagick || skip "ImageMagick's convert is missing (Debian package imagemagick)"

if [ "$do_build" = 1 ]; then
    rc=0
    VARNHOLT_WIN_BUILD=$build "$repo/scripts/windows-build.sh" -B "$build" \
        --target varnholt --target varnholt-cli || rc=$?
    [ "$rc" = "$SKIP" ] && skip "the Windows build cannot run here (see above)"
    [ "$rc" = 0 ] || die "the Windows build failed (exit $rc)"
fi

objdump=$triplet-objdump
strip=$triplet-strip
command -v "$objdump" >/dev/null || skip "$objdump is missing (Debian package binutils-mingw-w64-x86-64)"
command -v "$strip" >/dev/null || skip "$strip is missing (Debian package binutils-mingw-w64-x86-64)"

version=$(sed -n 's/^project([A-Za-z]* VERSION \([0-9][0-9]*\.[0-9][0-9]*\.[0-9][0-9]*\).*/\1/p' "$repo/CMakeLists.txt")
[ -n "$version" ] || die "no project(... VERSION x.y.z) in CMakeLists.txt"

# The Qt prefix the build folder was configured with (its toolchain file sits
# in the prefix).
toolchain=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt" 2>/dev/null) ||
    die "$build is not configured (run scripts/windows-build.sh)"
[ -n "$toolchain" ] || die "$build/CMakeCache.txt names no toolchain file"
qt=$(dirname "$(readlink -f "$toolchain")")
[ -d "$qt/bin" ] && [ -d "$qt/plugins" ] || die "no Qt bin/ and plugins/ in $qt"

programs=(varnholt.exe varnholt-cli.exe)
# The plugins the program loads: the Windows platform, SVG and ICO images,
# SVG icons, and TLS through Schannel for the updater's downloads. The
# program sets the Fusion style, which Qt6Widgets holds, so no style plugin.
plugins=(platforms/qwindows.dll imageformats/qsvg.dll imageformats/qico.dll
         iconengines/qsvgicon.dll tls/qschannelbackend.dll)
dll_dirs=("$qt/bin" "/usr/lib/gcc/$triplet/12-posix" "/usr/$triplet/lib" "/usr/$triplet/bin")

# Windows' own DLLs (lower case); api-ms-win-* and ext-ms-win-* are matched
# by prefix.
system_dlls=" advapi32.dll authz.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll d3d9.dll
 d3d11.dll d3d12.dll dbghelp.dll dnsapi.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll gdiplus.dll imm32.dll
 iphlpapi.dll kernel32.dll mpr.dll msimg32.dll msvcrt.dll ncrypt.dll netapi32.dll ntdll.dll ole32.dll
 oleacc.dll oleaut32.dll powrprof.dll propsys.dll psapi.dll rpcrt4.dll rstrtmgr.dll secur32.dll setupapi.dll
 shcore.dll shell32.dll shlwapi.dll user32.dll userenv.dll usp10.dll uxtheme.dll version.dll winhttp.dll
 wininet.dll winmm.dll winspool.drv wintrust.dll wldap32.dll ws2_32.dll wtsapi32.dll "

system_dlls=${system_dlls//$'\n'/ }
is_system_dll() {
    local name=${1,,}
    case $name in api-ms-win-*|ext-ms-win-*) return 0 ;; esac
    [[ $system_dlls == *" $name "* ]]
}

imports_of() {
    "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r'
}

# The folder holding a DLL, matched without case as Windows does.
find_dll() {
    local name=${1,,} dir f base
    for dir in "${dll_dirs[@]}"; do
        [ -d "$dir" ] || continue
        for f in "$dir"/*; do
            base=${f##*/}
            if [ -f "$f" ] && [ "${base,,}" = "$name" ]; then
                echo "$f"
                return 0
            fi
        done
    done
    return 1
}

for p in "${programs[@]}"; do
    [ -f "$build/$p" ] || die "$build/$p is missing (run scripts/windows-build.sh)"
done
for p in "${plugins[@]}"; do
    [ -f "$qt/plugins/$p" ] || die "the Qt plugin $qt/plugins/$p is missing"
done

# Walks the imports breadth first; `shipped` maps a DLL's lower-case name to
# its source file.
declare -A shipped=()
queue=()
for p in "${programs[@]}"; do queue+=("$build/$p"); done
for p in "${plugins[@]}"; do queue+=("$qt/plugins/$p"); done
missing=()
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while IFS= read -r dll; do
        [ -n "$dll" ] || continue
        key=${dll,,}
        [ -z "${shipped[$key]+x}" ] || continue
        is_system_dll "$dll" && continue
        if src=$(find_dll "$dll"); then
            shipped[$key]=$src
            queue+=("$src")
        else
            missing+=("$dll (needed by ${file##*/})")
            shipped[$key]=""
        fi
    done < <(imports_of "$file")
done
if [ ${#missing[@]} -gt 0 ]; then
    printf 'windows-package: not found in %s:\n' "${dll_dirs[*]}" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
fi

package=$build/package
stage=$package/stage
# The stage is this script's own output; nothing else lives there.
rm -rf "${stage:?}"
mkdir -p "$stage"

# Copies are stripped of their debugging sections; the originals stay as built.
stage_file() {
    local src=$1 dest=$stage/$2
    mkdir -p "$(dirname "$dest")"
    cp "$src" "$dest"
    chmod 644 "$dest"
    "$strip" --strip-unneeded "$dest"
}
for p in "${programs[@]}"; do stage_file "$build/$p" "$p"; done
for key in "${!shipped[@]}"; do stage_file "${shipped[$key]}" "${shipped[$key]##*/}"; done
for p in "${plugins[@]}"; do stage_file "$qt/plugins/$p" "plugins/$p"; done

# Qt looks for qt.conf next to the program; its paths are relative to it.
# The program's translations are compiled into it as resources.
printf '[Paths]\nPrefix = .\nPlugins = plugins\n' > "$stage/qt.conf"

# The include files: one File per staged file, and the matching removals,
# deepest folders last.
files_nsh=$package/install-files.nsh
unfiles_nsh=$package/uninstall-files.nsh
{
    echo "; Written by scripts/windows-package.sh"
    (cd "$stage" && find . -type d | sort) | while IFS= read -r dir; do
        rel=${dir#.}
        rel=${rel#/}
        win=${rel//\//\\}
        echo "SetOutPath \"\$INSTDIR${win:+\\$win}\""
        (cd "$stage/$dir" && find . -maxdepth 1 -type f | sort) | while IFS= read -r f; do
            echo "File \"$stage${rel:+/$rel}/${f#./}\""
        done
    done
} > "$files_nsh"
{
    echo "; Written by scripts/windows-package.sh"
    (cd "$stage" && find . -type f | sort) | while IFS= read -r f; do
        rel=${f#./}
        echo "Delete \"\$INSTDIR\\${rel//\//\\}\""
    done
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r dir; do
        rel=${dir#./}
        echo "RMDir \"\$INSTDIR\\${rel//\//\\}\""
    done
} > "$unfiles_nsh"

# The setup program's icon: the programs' own (packaging/windows/varnholt.ico,
# the PNG icons of packaging/icons/hicolor in one file).
icon=$repo/packaging/windows/varnholt.ico
[ -f "$icon" ] || die "$icon is missing"

# The welcome and finish pages' picture: the icon, with a soft shadow, on
# the panel, as the 24-bit 164 x 314 BMP the pages take.
art=$package/art
rm -rf "${art:?}"
mkdir -p "$art"
wizard=$package/wizard.bmp
rsvg-convert -w 112 -h 112 "$repo/resources/logo.svg" -o "$art/logo.png"
rsvg-convert "$repo/packaging/windows/wizard.svg" -o "$art/panel.png"
convert "$art/logo.png" \( +clone -background '#1e1b4b' -shadow 40x6+0+6 \) +swap \
    -background none -layers merge +repage "$art/logo-shadow.png"
convert "$art/panel.png" "$art/logo-shadow.png" -gravity north -geometry +0+46 -composite \
    -alpha off -type TrueColor -strip "BMP3:$wizard"
[ "$(identify -format '%wx%h' "$wizard")" = 164x314 ] || die "$wizard is not 164 x 314"

estimated_kb=$(du -sk --apparent-size "$stage" | cut -f1)
out=$build/varnholt-$version-win64-setup.exe

note "staged $(find "$stage" -type f | wc -l) files ($estimated_kb KiB) in $stage:"
(cd "$stage" && find . -type f -printf '%s\t%P\n' | sort -k2) | awk -F'\t' '{ printf "  %10d  %s\n", $1, $2 }'

makensis -V2 -NOCD -INPUTCHARSET UTF8 \
    "-DVERSION=$version" "-DOUTFILE=$out" \
    "-DFILES_NSH=$files_nsh" "-DUNFILES_NSH=$unfiles_nsh" "-DESTIMATED_KB=$estimated_kb" "-DICON_FILE=$icon" "-DWIZARD_BITMAP=$wizard" \
    "$repo/packaging/windows/varnholt.nsi" || die "makensis failed"

[ -f "$out" ] || die "makensis wrote no $out"
elapsed=$(( $(date +%s) - started ))
note "wrote $out ($(stat -c %s "$out") bytes) in $((elapsed / 60))m $((elapsed % 60))s"
