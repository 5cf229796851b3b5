#!/bin/sh
# Compiles every *_win.cpp of the tree with the mingw-w64 cross compiler,
# syntax only, against the host's Qt headers. Fails on the first file that
# does not compile, and when the cross compiler is missing.
set -u
src=${1:?source dir}
cxx=${2:-}
[ -n "$cxx" ] && [ -x "$cxx" ] || cxx=$(command -v x86_64-w64-mingw32-g++ || true)
if [ -z "$cxx" ]; then
    echo "x86_64-w64-mingw32-g++ not found (package g++-mingw-w64-x86-64)" >&2
    exit 1
fi
qtinc=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
incs="-I$qtinc"
for m in QtCore QtGui QtWidgets QtNetwork QtConcurrent QtSvg; do incs="$incs -I$qtinc/$m"; done
files=$(cd "$src" && find . -name '*_win.cpp' -not -path './build*' | sort)
if [ -z "$files" ]; then
    echo "no Windows files"
    exit 0
fi
status=0
for f in $files; do
    echo "checking $f"
    # shellcheck disable=SC2086
    "$cxx" -std=c++20 -fsyntax-only -Wno-attributes -Wall -Wextra \
        -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0A00 \
        -DVARNHOLT_VERSION='"1.0.0"' -DQT_USE_QSTRINGBUILDER \
        -I"$src" $incs "$src/$f" || status=1
done
exit $status
