#!/bin/sh
# Builds the Debian package from the built tree into a folder of its own and
# checks it: lintian reports no error and no warning, every override in the
# package is still needed, the changelog names the package's version, and the
# manual pages, completions and documents are where Debian looks for them.
set -u
cpack=${1:?cpack}
config=${2:?CPackConfig.cmake}
out=${3:?output folder}
changelog=${4:?Debian changelog of the tree}
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

rm -rf "$out"
mkdir -p "$out"
if ! "$cpack" --config "$config" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "cpack failed" >&2
    exit 1
fi
deb=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "cpack wrote no .deb" >&2; exit 1; }
echo "checking $deb"

# --fail-on makes errors and warnings fail; info tags are shown so that an
# override that no longer matches anything is seen.
lintian --display-info --tag-display-limit 0 --fail-on error,warning "$deb" >"$out/lintian.txt" 2>"$out/lintian.err"
result=$?
cat "$out/lintian.txt"
[ $result -eq 0 ] || fail "lintian found errors or warnings (exit $result)"
grep -E '^(E|W): ' "$out/lintian.txt" >/dev/null && fail "lintian reported errors or warnings"
grep -E 'unused-override|mismatched-override' "$out/lintian.txt" >/dev/null &&
    fail "an override in packaging/debian/lintian-overrides matches nothing"

version=$(dpkg-deb -f "$deb" Version)
logged=$(dpkg-parsechangelog -l "$changelog" -S Version)
[ "$version" = "$logged" ] || fail "the package is version $version, its changelog's last entry $logged"

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's,^\./,/,' >"$out/contents.txt"
for path in \
    /usr/bin/varnholt \
    /usr/bin/varnholt-cli \
    /usr/share/man/man1/varnholt.1.gz \
    /usr/share/man/man1/varnholt-cli.1.gz \
    /usr/share/bash-completion/completions/varnholt-cli \
    /usr/share/zsh/vendor-completions/_varnholt-cli \
    /usr/share/fish/vendor_completions.d/varnholt-cli.fish \
    /usr/share/doc/varnholt/copyright \
    /usr/share/doc/varnholt/changelog.gz \
    /usr/share/lintian/overrides/varnholt; do
    grep -qx "$path" "$out/contents.txt" || fail "the package lacks $path"
done
exit $status
