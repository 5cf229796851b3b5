#!/usr/bin/env bash
# Builds Qt 6.4.2 for 64-bit Windows with Debian's mingw-w64 (posix threads),
# from Debian's own qt6-base and qt6-svg sources, for scripts/windows-build.sh.
#
#   scripts/build-qt-mingw-w64.sh [--work DIR] [--prefix DIR] [--tarball [FILE]]
#                                 [--jobs N] [--dry-run] [--help]
#
# The result is a relocatable prefix (default WORK/qt-6.4.2-mingw-w64) holding
# Core, Gui, Widgets, Network, Concurrent, Test, Xml, Svg and SvgWidgets, the
# windows, direct2d and offscreen platform plugins and Schannel TLS, without
# OpenGL, D-Bus, ICU, SQL or print support, and mingw-w64-toolchain.cmake for
# CMake's -DCMAKE_TOOLCHAIN_FILE. With --tarball it is also packed as .tar.xz.
# It takes about an hour on two cores and a few GB in WORK.
#
# Needs Debian 12 with deb-src entries, g++-mingw-w64-x86-64, cmake,
# ninja-build, dpkg-dev and qt6-base-dev-tools; the sources are fetched at the
# versions of the installed host tools, so moc and rcc match the target Qt.
set -euo pipefail

QT_VERSION=6.4.2
HOST_CMAKE=/usr/lib/x86_64-linux-gnu/cmake
TRIPLET=x86_64-w64-mingw32

work=$PWD/qt-mingw-work
prefix=
tarball=
jobs=$(nproc)
dry_run=0

usage() {
    sed -n '2,17s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"
    cat <<EOF

Options:
  --work DIR        where sources and build trees go (default ./qt-mingw-work)
  --prefix DIR      where Qt is installed (default WORK/qt-$QT_VERSION-mingw-w64)
  --tarball [FILE]  also pack the prefix (default WORK/qt-$QT_VERSION-mingw-w64.tar.xz)
  --jobs N          parallel compile jobs (default: nproc)
  --dry-run         check what is needed and print the steps without running them
  -h, --help        this text
Environment: QTSVG_SRC, a qtsvg $QT_VERSION source folder to use instead of
Debian's qt6-svg source package.
EOF
}

die() { echo "build-qt-mingw-w64: $*" >&2; exit 1; }
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }

while [ $# -gt 0 ]; do
    case $1 in
        --work) [ $# -ge 2 ] || die "--work needs a folder"; work=$2; shift 2 ;;
        --work=*) work=${1#*=}; shift ;;
        --prefix) [ $# -ge 2 ] || die "--prefix needs a folder"; prefix=$2; shift 2 ;;
        --prefix=*) prefix=${1#*=}; shift ;;
        --tarball=*) tarball=${1#*=}; shift ;;
        --tarball)
            if [ $# -ge 2 ] && [ "${2#-}" = "$2" ]; then tarball=$2; shift 2
            else tarball=default; shift; fi ;;
        --jobs) [ $# -ge 2 ] || die "--jobs needs a number"; jobs=$2; shift 2 ;;
        --jobs=*) jobs=${1#*=}; shift ;;
        -j*) jobs=${1#-j}; shift ;;
        --dry-run|-n) dry_run=1; shift ;;
        -h|--help) usage; exit 0 ;;
        *) die "unknown argument '$1' (see --help)" ;;
    esac
done
case $jobs in ''|*[!0-9]*|0) die "--jobs wants a positive number, not '$jobs'" ;; esac
work=$(absolute "$work")
prefix=$(absolute "${prefix:-$work/qt-$QT_VERSION-mingw-w64}")
[ "$tarball" = default ] && tarball=$work/qt-$QT_VERSION-mingw-w64.tar.xz
[ -n "$tarball" ] && tarball=$(absolute "$tarball")

# Runs a step, or only shows it with --dry-run.
step() {
    printf '+'; printf ' %q' "$@"; printf '\n'
    [ "$dry_run" = 1 ] || "$@"
}

# ---- what is needed --------------------------------------------------------

problems=()
need_command() {
    command -v "$1" >/dev/null || problems+=("$1 is missing (Debian package $2)")
}
need_command "$TRIPLET-gcc-posix" g++-mingw-w64-x86-64
need_command "$TRIPLET-g++-posix" g++-mingw-w64-x86-64
need_command "$TRIPLET-windres" binutils-mingw-w64-x86-64
need_command cmake cmake
need_command ninja ninja-build
need_command dpkg-source dpkg-dev
need_command apt-get apt

# The host tools must be the same Qt version as the one being built.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [ ! -f "$HOST_CMAKE/Qt6CoreTools/Qt6CoreToolsConfig.cmake" ] || [ -z "$host_version" ]; then
    problems+=("the host Qt tools are missing (Debian package qt6-base-dev-tools)")
elif [ "${host_version%%+*}" != "$QT_VERSION" ] && [ "${host_version%%-*}" != "$QT_VERSION" ]; then
    problems+=("qt6-base-dev-tools is $host_version, not Qt $QT_VERSION")
fi
svg_version=$(dpkg-query -W -f='${Version}' qt6-svg-dev 2>/dev/null || true)

# apt-get source reads deb-src entries, which Debian leaves out by default.
has_deb_src() {
    local f
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && grep -Eq '^[[:space:]]*deb-src[[:space:]]' "$f" && return 0
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && grep -Eiq '^[[:space:]]*Types:.*deb-src' "$f" && return 0
    done
    return 1
}
need_sources=(qt6-base)
[ -n "${QTSVG_SRC:-}" ] || need_sources+=(qt6-svg)
if ! has_deb_src; then
    problems+=("apt has no deb-src entries, so 'apt-get source' cannot fetch ${need_sources[*]}.
    Add deb-src to the Types line of /etc/apt/sources.list.d/debian.sources:
        Types: deb deb-src
    or, with a one-line sources.list, add:
        deb-src http://deb.debian.org/debian bookworm main
    and then run: apt-get update")
fi
if [ -n "${QTSVG_SRC:-}" ] && [ ! -f "$QTSVG_SRC/CMakeLists.txt" ]; then
    problems+=("QTSVG_SRC=$QTSVG_SRC is not a qtsvg source folder")
fi

if [ ${#problems[@]} -gt 0 ]; then
    for p in "${problems[@]}"; do echo "build-qt-mingw-w64: $p" >&2; done
    [ "$dry_run" = 1 ] || exit 1
    echo "build-qt-mingw-w64: (dry run: the steps follow anyway)" >&2
fi

echo "Qt $QT_VERSION for Windows: sources in $work, installed into $prefix"

# ---- the toolchain file ----------------------------------------------------

# Written into the prefix first, so that the Qt build and everything built
# against it later use the same file; it finds the prefix relative to itself,
# so the prefix can be moved or unpacked anywhere.
write_toolchain() {
    cat > "$1" <<'EOF'
# CMake toolchain for cross-building for 64-bit Windows with Debian's mingw-w64
# (posix threads) against the Qt 6.4.2 in this folder. Use with
# -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
# (the host tools come from Debian's qt6-base-dev-tools, same version).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(QT_MINGW_PREFIX "${CMAKE_CURRENT_LIST_DIR}")
list(APPEND CMAKE_PREFIX_PATH "${QT_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${QT_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}
toolchain=$prefix/mingw-w64-toolchain.cmake
step mkdir -p "$work" "$prefix"
echo "+ write $toolchain"
[ "$dry_run" = 1 ] || write_toolchain "$toolchain"

# ---- sources ---------------------------------------------------------------

# Fetches a Debian source package (with Debian's patches applied) at the given
# version, once, and names the folder it unpacked to in $src_dir.
unpacked() {
    local d
    for d in "$work/$1-$QT_VERSION"*/; do
        if [ -f "$d/CMakeLists.txt" ]; then echo "${d%/}"; return 0; fi
    done
    return 1
}
fetch_source() {
    local package=$1 version=$2 found
    if ! found=$(unpacked "$package"); then
        step env -C "$work" apt-get source --only-source "$package${version:+=$version}"
        found=$(unpacked "$package") || true
    fi
    if [ -n "$found" ]; then
        src_dir=$found
    elif [ "$dry_run" = 1 ]; then
        src_dir=$work/$package-$QT_VERSION
    else
        die "apt-get source $package did not unpack Qt $QT_VERSION into $work"
    fi
}

fetch_source qt6-base "$host_version"
base_src=$src_dir
if [ -n "${QTSVG_SRC:-}" ]; then
    svg_src=$(absolute "$QTSVG_SRC")
else
    fetch_source qt6-svg "$svg_version"
    svg_src=$src_dir
fi

# Qt 6.4's Windows platform plugin uses the dynamic OpenGL loader behind a
# guard that forgets OpenGL may be off altogether; without it the plugin does
# not compile here.
guarded=$base_src/src/plugins/platforms/windows/qwindowswindow.cpp
echo "+ guard dynamicgl with opengl in $guarded"
if [ "$dry_run" = 0 ]; then
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$guarded"
fi

# ---- build -----------------------------------------------------------------

common=(
    -G Ninja
    -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="$HOST_CMAKE"
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
)
# Shared libraries; the modules Varnholt uses and nothing it does not; TLS
# through Windows' own Schannel, as Debian has no OpenSSL for mingw-w64.
base_features=(
    -DBUILD_SHARED_LIBS=ON
    -DFEATURE_relocatable=ON
    -DFEATURE_opengl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_zstd=OFF
    -DFEATURE_openssl=OFF
    -DFEATURE_schannel=ON
    -DFEATURE_direct2d=ON
)

step cmake -S "$base_src" -B "$work/build-base" "${common[@]}" "${base_features[@]}"
step cmake --build "$work/build-base" --parallel "$jobs"
step cmake --install "$work/build-base"

step cmake -S "$svg_src" -B "$work/build-svg" "${common[@]}" -DQt6_DIR="$prefix/lib/cmake/Qt6"
step cmake --build "$work/build-svg" --parallel "$jobs"
step cmake --install "$work/build-svg"

# ---- check and pack --------------------------------------------------------

expected=(
    bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Network.dll
    bin/Qt6Concurrent.dll bin/Qt6Test.dll bin/Qt6Xml.dll bin/Qt6Svg.dll bin/Qt6SvgWidgets.dll
    plugins/platforms/qwindows.dll plugins/platforms/qdirect2d.dll plugins/platforms/qoffscreen.dll
    plugins/tls/qschannelbackend.dll plugins/imageformats/qsvg.dll plugins/iconengines/qsvgicon.dll
    mingw-w64-toolchain.cmake
)
echo "+ check the prefix holds: ${expected[*]}"
if [ "$dry_run" = 0 ]; then
    missing=()
    for f in "${expected[@]}"; do [ -e "$prefix/$f" ] || missing+=("$f"); done
    [ ${#missing[@]} -eq 0 ] || die "the build left out: ${missing[*]}"
fi

if [ -n "$tarball" ]; then
    step tar -C "$(dirname "$prefix")" -cJf "$tarball" "$(basename "$prefix")"
fi

echo "Done. Build Varnholt for Windows with:"
echo "    VARNHOLT_QT_MINGW=${tarball:-$prefix} scripts/windows-build.sh"
