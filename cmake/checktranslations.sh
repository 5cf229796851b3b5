#!/bin/sh
# Fails when the sources hold a text that the English catalogue lacks, or the
# catalogue keeps one the sources no longer use: lupdate refreshes a copy of
# it, and the copy must come out unchanged.
set -u
lupdate=${1:?lupdate}
list=${2:?source list}
catalogue=${3:?catalogue}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$catalogue" "$work/current.ts"
"$lupdate" -silent -locations none -no-obsolete "@$list" -ts "$work/current.ts" || exit 1
if ! diff -u "$catalogue" "$work/current.ts"; then
    echo "the catalogues are out of date: run 'cmake --build <build dir> --target update_translations'" >&2
    exit 1
fi
