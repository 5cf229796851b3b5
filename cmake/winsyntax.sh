#!/bin/sh
# Compiles, syntax only, every file of the tree that a Windows build compiles
# and that could break there: each *_win.cpp, each shared source with a
# Q_OS_WIN or _WIN32 branch, and the files of a list tests/CMakeLists.txt
# writes (the third argument): the tests and test support of the Windows test
# build, and the libgcrypt back end of the signature check. It uses the posix-thread mingw-w64 compiler that Qt for MinGW is
# built with. Qt's headers are system headers here, so any warning is one of
# ours and fails the check (-Werror), as does a missing cross compiler.
#
#     winsyntax.sh <source dir> [<mingw g++>] [<list of further sources>]
set -u
src=${1:?source dir}
cxx=${2:-}
testlist=${3:-}
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
# libgcrypt's header sits in the cross compiler's own include folder.
if ! echo '#include <gcrypt.h>' | "$cxx" -x c++ -fsyntax-only - 2>/dev/null; then
    echo "gcrypt.h not found for $cxx (package libgcrypt-mingw-w64-dev)" >&2
    exit 1
fi
qtinc=${VARNHOLT_WIN_QT_HEADERS:-$(qmake6 -query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)}
incs="-isystem $qtinc"
for m in QtCore QtGui QtWidgets QtNetwork QtConcurrent QtSvg QtTest; do incs="$incs -isystem $qtinc/$m"; done
tests=
if [ -n "$testlist" ]; then
    if ! tests=$(sed -e '/^$/d' -e 's|^|./|' "$testlist"); then
        echo "cannot read the list of Windows test sources: $testlist" >&2
        exit 1
    fi
fi
files=$(cd "$src" && {
    find . -name '*_win.cpp' -not -path './build*' -not -path './tests/*'
    grep -rlE 'Q_OS_WIN|_WIN32' --include='*.cpp' . | grep -v -e '^\./build' -e '^\./tests/' -e '_posix\.cpp$'
    printf '%s\n' $tests
} | sed '/^$/d' | sort -u)
# MinGW frees a thread's thread_local block before the destructors of what it
# holds run, so a thread_local with a destructor corrupts the heap when its
# thread ends; code that Windows builds keeps per-thread state in
# QThreadStorage instead.
tls=$(cd "$src" && grep -rnE '^[^/]*\bthread_local\b' --include='*.cpp' --include='*.h' . |
      grep -v -e '^\./build' -e '_posix\.cpp:')
if [ -n "$tls" ]; then
    echo "thread_local in code a Windows build compiles (use QThreadStorage):" >&2
    echo "$tls" >&2
    exit 1
fi
if [ -z "$files" ]; then
    echo "no Windows files"
    exit 0
fi
# Each test ends by including its moc output, which only a real build makes;
# an empty stand-in is enough for a syntax check.
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
for f in $files; do
    case $f in */tst_*.cpp) : > "$stubs/$(basename "$f" .cpp).moc" ;; esac
done
export cxx incs src stubs
# shellcheck disable=SC2016,SC2086
# The Qt modules a file links decide what QtTest offers (QTest::mouseClick
# needs QT_WIDGETS_LIB), as in the real build.
printf '%s\n' $files | xargs -P 2 -I{} sh -c '
    echo "checking {}"
    libs="-DQT_CORE_LIB -DQT_NETWORK_LIB -DQT_CONCURRENT_LIB"
    case "{}" in
        ./tests/ui/*|./tests/*/tst_tray*) libs="$libs -DQT_TESTLIB_LIB -DQT_GUI_LIB -DQT_WIDGETS_LIB" ;;
        ./tests/*) libs="$libs -DQT_TESTLIB_LIB" ;;
    esac
    "$cxx" -std=c++20 -fsyntax-only -Wno-attributes -Wall -Wextra -Werror \
        -DUNICODE -D_UNICODE -DNOMINMAX -DWIN32_LEAN_AND_MEAN -D_WIN32_WINNT=0x0A00 \
        -DVARNHOLT_VERSION="\"1.0.0\"" -DQT_USE_QSTRINGBUILDER \
        -DQT_NO_CONTEXTLESS_CONNECT -DQT_NO_NARROWING_CONVERSIONS_IN_CONNECT \
        -DVARNHOLT_FIXTURES="\"fixtures\"" -DVARNHOLT_BINARY_DIR="\"build\"" \
        $libs -I"$src" -I"$src/tests" -idirafter "$stubs" $incs "$src/{}" || exit 255'
status=$?
[ $status -eq 0 ] || exit 1
exit 0
