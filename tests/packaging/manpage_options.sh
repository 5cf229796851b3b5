#!/bin/sh
# The manual pages describe exactly the commands and options the programs
# take: varnholt-cli.1 against `varnholt-cli --help` (the synopsis per command,
# one OPTIONS entry per option, one COMMANDS entry per command), varnholt.1
# against the switches the window program parses; both carry the version.
set -u
pages=${1:?folder of the pages}
cli=${2:?varnholt-cli}
startup=${3:?startupoptions.cpp}
version=${4:?version}
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
pages=$(absolute "$pages") cli=$(absolute "$cli") startup=$(absolute "$startup")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# roff to plain words: "\-" is a hyphen, "\%" and "\~" spacing marks.
plain() { sed -e 's/\\-/-/g' -e 's/\\%//g' -e 's/\\~/ /g' "$@"; }
# The lines of one .SH section, without the headings.
section() { plain "$1" | sed -n "/^\.SH \"*$2\"*\$/,/^\.SH /p" | sed '1d;$d'; }
# The tags of .TP and .TQ entries.
tags() { awk '/^\.T[PQ]/ { if ((getline line) > 0) print line }'; }
longopts() { grep -o -- '--[a-z][a-z-]*' | sort -u; }
# "command option" for each option in each usage line; a line that starts
# with the program name starts a new command.
synopsis_pairs() {
    awk '{
        if ($1 == "varnholt-cli") cmd = $2
        line = $0
        while (match(line, /--[a-z][a-z-]*/)) {
            print cmd, substr(line, RSTART, RLENGTH)
            line = substr(line, RSTART + RLENGTH)
        }
    }' | sort -u
}
compare() { # what, expected file, actual file
    if ! diff -u "$2" "$3" >"$work/diff"; then
        echo "$1 differ (- $2, + $3):" >&2
        sed '1,2d' "$work/diff" >&2
        status=1
    fi
}

cd "$work" || exit 1
"$cli" --help >help.txt || { echo "varnholt-cli --help failed" >&2; exit 1; }

longopts <help.txt >help-options
section "$pages/varnholt-cli.1" OPTIONS | tags | longopts >page-options
compare "varnholt-cli options" help-options page-options

sed -n '/^Commands:/,/^$/p' help.txt | sed '1d;$d' | awk '{ print $1 }' | sort >help-commands
section "$pages/varnholt-cli.1" COMMANDS | tags | awk '{ print $2 }' | sort >page-commands
compare "varnholt-cli commands" help-commands page-commands

sed -n '/^Usage:/,/^$/p' help.txt | synopsis_pairs >help-synopsis
section "$pages/varnholt-cli.1" SYNOPSIS | awk '/^\.SY/ { first = 1; next } first { sub(/^\.[A-Z]+ /, "varnholt-cli "); first = 0 } { print }' \
    | synopsis_pairs >page-synopsis
compare "varnholt-cli synopsis (command option)" help-synopsis page-synopsis

grep -o 'u"--[a-z-]*"' "$startup" | grep -o -- '--[a-z-]*' | sort -u >window-options
section "$pages/varnholt.1" OPTIONS | tags | longopts >window-page-options
compare "varnholt options" window-options window-page-options

for page in varnholt.1 varnholt-cli.1; do
    if ! grep -q "^\.TH .* \"Varnholt $version\"" "$pages/$page"; then
        echo "$page: the .TH line does not name Varnholt $version" >&2
        status=1
    fi
done
exit $status
