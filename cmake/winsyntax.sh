#!/bin/sh
# Compiles, syntax only, every file of the tree that has Windows code: each
# *_win.cpp, and each shared source with a Q_OS_WIN or _WIN32 branch, with
# the posix-thread mingw-w64 compiler that Qt for MinGW is built with. Qt's
# headers are system headers here, so any warning is one of ours and fails
# the check (-Werror), as does a missing cross compiler.
set -u
src=${1:?source dir}
cxx=${2:-}
# The posix-thread flavour first: std::thread and friends exist only there.
posix=$(command -v x86_64-w64-mingw32-g++-posix || true)
if [ -n "$posix" ]; then
    cxx=$posix
elif [ -z "$cxx" ] || [ ! -x "$cxx" ]; then
    cxx=$(command -v x86_64-w64-mingw32-g++ || true)
fi
if [ -z "$cxx" ]; then
    echo "x86_64-w64-mingw32-g++ not found (package g++-mingw-w64-x86-64)" >&2
    exit 1
fi
qtinc=$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
incs="-isystem $qtinc"
for m in QtCore QtGui QtWidgets QtNetwork QtConcurrent QtSvg; do incs="$incs -isystem $qtinc/$m"; done
files=$(cd "$src" && {
    find . -name '*_win.cpp' -not -path './build*' -not -path './tests/*'
    grep -rlE 'Q_OS_WIN|_WIN32' --include='*.cpp' . | grep -v -e '^\./build' -e '^\./tests/' -e '_posix\.cpp$'
} | sort -u)
if [ -z "$files" ]; then
    echo "no Windows files"
    exit 0
fi
export cxx incs src
# shellcheck disable=SC2016,SC2086
printf '%s\n' $files | xargs -P 2 -I{} sh -c '
    echo "checking {}"
    "$cxx" -std=c++20 -fsyntax-only -Wno-attributes -Wall -Wextra -Werror \
        -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0A00 \
        -DVARNHOLT_VERSION="\"1.0.0\"" -DQT_USE_QSTRINGBUILDER \
        -I"$src" $incs "$src/{}" || exit 255'
status=$?
[ $status -eq 0 ] || exit 1
exit 0
