#!/bin/sh
# Installs the Debian 12 packages Varnholt needs to build, test and package,
# for Linux and for Windows (the mingw-w64 cross compiler, Wine to run the
# Windows build in `make test`, NSIS, rsvg-convert and ImageMagick for its
# installer), and the disk-usage tools `make bench` compares the walker with
# (ncdu, gdu). With the argument "coverage" it also installs clang and the
# LLVM tools `make coverage` and `make mutants` measure with.
# Runs apt-get only when something is missing; as a normal user it prints the
# command to run instead and fails, so `make` stops with a clear message.
set -eu

PACKAGES="
cmake
ninja-build
g++
make
pkgconf
qt6-base-dev
qt6-base-dev-tools
qt6-svg-dev
qt6-tools-dev
qt6-tools-dev-tools
qt6-l10n-tools
qt6-qpa-plugins
qt6-translations-l10n
libqt6svg6
libgl-dev
libssl-dev
libgcrypt20-dev
g++-mingw-w64-x86-64
libgcrypt-mingw-w64-dev
wine
wine64
fonts-wine
fonts-liberation
nsis
librsvg2-bin
imagemagick
xvfb
x11-utils
trayer
xauth
dbus-x11
at-spi2-core
python3-pyatspi
fonts-inter
fonts-noto-cjk
fonts-dejavu-core
appstream
desktop-file-utils
dpkg-dev
file
lintian
groff-base
ncdu
gdu
"

if [ "${1:-}" = coverage ]; then
    PACKAGES="$PACKAGES clang llvm ccache"
fi

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Varnholt needs these Debian packages:$missing" >&2
    echo "Install them with:" >&2
    echo "    sudo apt-get update && sudo apt-get install -y --no-install-recommends$missing" >&2
    exit 1
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
# shellcheck disable=SC2086
apt-get install -y -q --no-install-recommends $missing
