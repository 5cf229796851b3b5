#!/usr/bin/env bash
# Cross-builds the whole tree for 64-bit Windows with Debian's mingw-w64.
#
#   scripts/windows-build.sh [-B DIR] [--target NAME]... [-- CMAKE_ARGS...]
#
# Qt for mingw-w64 comes from VARNHOLT_QT_MINGW (an installed prefix, the folder
# holding one, or a .tar.xz of one), else from ../shared/toolchains/
# qt-6.4.2-mingw-w64.tar.xz beside the repository. A tarball is unpacked once
# into build-win-qt/ and unpacked again only when its size or time changes.
# The host tools (moc, rcc, uic, lrelease) come from Debian's own Qt 6.
#
# Exits with 77 (the usual "skipped" status) when no Qt for mingw-w64 or no
# cross compiler is installed, so a caller can tell "cannot build here" from
# "the build failed".
set -euo pipefail

SKIP=77
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${VARNHOLT_WIN_BUILD:-$repo/build-win}
qt_cache=$repo/build-win-qt
build_type=${VARNHOLT_WIN_BUILD_TYPE:-Release}
host_qt=/usr
host_qt_cmake=/usr/lib/x86_64-linux-gnu/cmake
cross_cxx=x86_64-w64-mingw32-g++-posix
targets=()
extra=()
check_only=

usage() {
    sed -n '2,14s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"
    cat <<EOF

Options:
  -B, --build-dir DIR   build folder (default: build-win in the repository;
                        also VARNHOLT_WIN_BUILD). Reused between runs.
  -t, --target NAME     build only NAME (repeatable; default: everything)
  --check               build nothing; exit 0 when this machine can build,
                        77 when it cannot
  -h, --help            this text
  --                    the rest goes to the cmake configure step
Environment: VARNHOLT_QT_MINGW, VARNHOLT_WIN_BUILD, VARNHOLT_WIN_BUILD_TYPE
(default Release), JOBS (default: nproc).
EOF
}

die() { echo "windows-build: $*" >&2; exit 1; }
skip() { echo "windows-build: skipped: $*" >&2; exit "$SKIP"; }
note() { echo "windows-build: $*"; }

while [ $# -gt 0 ]; do
    case $1 in
        -B|--build-dir) [ $# -ge 2 ] || die "$1 needs a folder"; build=$2; shift 2 ;;
        --build-dir=*) build=${1#*=}; shift ;;
        -t|--target) [ $# -ge 2 ] || die "$1 needs a target name"; targets+=("$2"); shift 2 ;;
        --target=*) targets+=("${1#*=}"); shift ;;
        --check) check_only=1; shift ;;
        -h|--help) usage; exit 0 ;;
        --) shift; extra=("$@"); break ;;
        *) die "unknown argument '$1' (see --help)" ;;
    esac
done
case $build in /*) ;; *) build=$PWD/$build ;; esac

started=$(date +%s)

# The toolchain file of a Qt prefix, given the prefix or the folder above it.
toolchain_in() {
    local dir=$1 f
    for f in "$dir/mingw-w64-toolchain.cmake" "$dir"/*/mingw-w64-toolchain.cmake; do
        if [ -f "$f" ]; then echo "$f"; return 0; fi
    done
    return 1
}

# Unpacks a Qt tarball into build-win-qt/ unless the same tarball (same size
# and modification time) is already there; prints the toolchain file.
toolchain_from_tarball() {
    local tarball=$1 key stamp=$qt_cache/.tarball top tc
    key="$(stat -c '%s %Y' "$tarball") $(readlink -f "$tarball")"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ] && tc=$(toolchain_in "$qt_cache"); then
        echo "$tc"; return 0
    fi
    top=$(tar -tJf "$tarball" | head -n 1 | cut -d/ -f1) || true
    case $top in ''|.|..|*' '*) die "$tarball does not hold a single top folder" ;; esac
    note "unpacking $tarball into $qt_cache" >&2
    mkdir -p "$qt_cache"
    rm -f "$stamp"
    # Only the folder the tarball itself holds is replaced.
    rm -rf "${qt_cache:?}/$top.unpacking"
    mkdir "$qt_cache/$top.unpacking"
    tar -xJf "$tarball" -C "$qt_cache/$top.unpacking"
    rm -rf "${qt_cache:?}/$top"
    mv "$qt_cache/$top.unpacking/$top" "$qt_cache/$top"
    rmdir "$qt_cache/$top.unpacking"
    tc=$(toolchain_in "$qt_cache/$top") || die "$tarball holds no mingw-w64-toolchain.cmake"
    echo "$key" > "$stamp"
    echo "$tc"
}

find_toolchain() {
    local src=${VARNHOLT_QT_MINGW:-}
    if [ -n "$src" ]; then
        if [ -d "$src" ]; then
            toolchain_in "$src" || skip "VARNHOLT_QT_MINGW=$src holds no mingw-w64-toolchain.cmake"
        elif [ -f "$src" ]; then
            case $src in
                *.tar.xz|*.txz) toolchain_from_tarball "$src" ;;
                *) skip "VARNHOLT_QT_MINGW=$src is neither a folder nor a .tar.xz" ;;
            esac
        else
            skip "VARNHOLT_QT_MINGW=$src does not exist"
        fi
        return
    fi
    local shared=$repo/../shared/toolchains/qt-6.4.2-mingw-w64.tar.xz
    if [ -f "$shared" ]; then
        toolchain_from_tarball "$(readlink -f "$shared")"
        return
    fi
    skip "no Qt for mingw-w64: set VARNHOLT_QT_MINGW to its folder or .tar.xz
(scripts/build-qt-mingw-w64.sh builds one)"
}

command -v "$cross_cxx" >/dev/null ||
    skip "no cross compiler $cross_cxx (Debian package g++-mingw-w64-x86-64)"
command -v cmake >/dev/null || die "cmake is missing (make deps)"
[ -f "$host_qt_cmake/Qt6CoreTools/Qt6CoreToolsConfig.cmake" ] ||
    die "the host Qt tools are missing (Debian package qt6-base-dev-tools; make deps)"

# Whether a Qt for mingw-w64 is at hand, without unpacking it.
if [ -n "$check_only" ]; then
    src=${VARNHOLT_QT_MINGW:-$repo/../shared/toolchains/qt-6.4.2-mingw-w64.tar.xz}
    [ -e "$src" ] || skip "no Qt for mingw-w64 at $src"
    exit 0
fi

toolchain=$(find_toolchain)
note "Qt for mingw-w64: $(dirname "$toolchain")"
note "build folder: $build ($build_type)"

# A build folder keeps the toolchain it was first configured with; refuse to
# mix rather than build against the wrong Qt.
cache=$build/CMakeCache.txt
if [ -f "$cache" ]; then
    old=$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$cache")
    if [ -n "$old" ] && [ "$(readlink -f "$old")" != "$(readlink -f "$toolchain")" ]; then
        die "$build was configured with $old; use another build folder (-B) for $toolchain"
    fi
fi

generator=()
if [ ! -f "$cache" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi

cmake -S "$repo" -B "$build" "${generator[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH="$host_qt" -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake" \
    -DCMAKE_BUILD_TYPE="$build_type" "${extra[@]}"

target_args=()
for t in "${targets[@]}"; do target_args+=(--target "$t"); done
cmake --build "$build" --parallel "${JOBS:-$(nproc)}" "${target_args[@]}"

elapsed=$(( $(date +%s) - started ))
note "built $build in $((elapsed / 60))m $((elapsed % 60))s"
