#!/bin/bash
# Loads the shell completion of varnholt-cli and asks it for completions the
# way the shell does. The commands, the options of each command and the
# category ids it offers must be the ones varnholt-cli itself accepts; a few
# fixed cases cover values, paths and options that exclude each other. bash
# always; fish the same way when it is installed; zsh is checked for syntax.
set -u
completions=${1:?folder of the completion files}
cli=${2:?varnholt-cli}
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

# A folder with one file and one sub-folder for the path cases.
files=$(mktemp -d)
trap 'rm -rf "$files"' EXIT
mkdir "$files/folder"
touch "$files/file.txt"

# ---- the shells -------------------------------------------------------------

# Completions of a command line ("varnholt-cli clean --category t"; a trailing
# blank asks for a new word) as one sorted line, without the "--option="
# prefixes and the slashes after folder names that only some shells add.
tidy() { sed -e 's/^--[a-z-]*=//' -e 's,/$,,' | sort -u | tr '\n' ' ' | sed 's/ $//'; }

bash_complete() {
    local line=$1 word
    local -a blanks words=()
    # Words as readline splits them: at blanks, and around '=' (which
    # COMP_WORDBREAKS holds).
    read -ra blanks <<<"$line"
    for word in "${blanks[@]}"; do
        if [[ $word == --*=* ]]; then
            words+=("${word%%=*}" "=")
            [[ -n ${word#*=} ]] && words+=("${word#*=}")
        else
            words+=("$word")
        fi
    done
    [[ $line == *' ' || ${words[-1]} == = ]] && words+=("")
    COMP_WORDS=("${words[@]}")
    COMP_CWORD=$((${#words[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    "$bash_function" varnholt-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | tidy
}

fish_complete() {
    fish --no-config -c 'source $argv[1]; complete --do-complete=$argv[2]' "$completions/varnholt-cli.fish" "$1" \
        | cut -f1 | tidy
}

# ---- what varnholt-cli accepts ------------------------------------------------

commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | sed '1d;$d' | awk '{ print $1 }' | sort | tr '\n' ' ')
commands=${commands% }
[[ -n $commands ]] || fail "no commands in varnholt-cli --help"

# The usage error for an unknown option lists the options of the command;
# --help is accepted after every command as well.
options_of() {
    { "$cli" "$1" --no-such-option 2>&1 | sed -n 's/.*Options of [a-z]*: \(.*\)\.$/\1/p' | tr -d ',' | tr ' ' '\n'
      echo --help; } | grep . | sort -u | tr '\n' ' ' | sed 's/ $//'
}

categories=$("$cli" clean --category no-such-category --yes 2>&1 | sed -n 's/.*Categories: \(.*\)\.$/\1/p' \
    | tr -d ',' | tr ' ' '\n' | sort | tr '\n' ' ')
categories=${categories% }
[[ -n $categories ]] || fail "no category list in the usage error of varnholt-cli"

# ---- the checks, for one shell --------------------------------------------------

check_shell() {
    local shell=$1 complete=$2 got
    expect() { # completions, command line
        got=$("$complete" "$2")
        [[ $got == "$1" ]] || fail "$shell: '$2' completes to '$got', expected '$1'"
    }

    got=$("$complete" "varnholt-cli " | tr ' ' '\n' | grep -v '^-' | tr '\n' ' ')
    [[ ${got% } == "$commands" ]] || fail "$shell: commands '${got% }', varnholt-cli has '$commands'"
    for command in $commands; do
        expect "$(options_of "$command")" "varnholt-cli $command --"
    done
    expect "$categories" "varnholt-cli clean --category "

    expect "scan" "varnholt-cli s"
    expect "--help --version" "varnholt-cli --"
    expect "temp thumbs trash" "varnholt-cli clean --category t"
    expect "thumbs" "varnholt-cli clean --category=th"
    expect "--category --exclude --help --json --preview --skip-item --yes" "varnholt-cli clean --trash --"
    expect "--category --exclude --help --json --preview --skip-item --yes" "varnholt-cli clean --delete --category temp --"
    expect "" "varnholt-cli large --threshold-mb "
    expect "$files/file.txt" "varnholt-cli measure $files/fi"
    expect "$files/folder" "varnholt-cli scan --exclude $files/"
}

# ---- bash -----------------------------------------------------------------------

# shellcheck source=/dev/null
source "$completions/varnholt-cli.bash"
registered=$(complete -p varnholt-cli 2>/dev/null)
bash_function=$(sed -n 's/.* -F \([^ ]*\) .*/\1/p' <<<"$registered")
if [[ -z $bash_function ]] || ! declare -F "$bash_function" >/dev/null; then
    fail "bash: no completion function registered for varnholt-cli ('$registered')"
else
    check_shell bash bash_complete
fi

# ---- fish and zsh, when installed ---------------------------------------------------

if command -v fish >/dev/null; then
    check_shell fish fish_complete
else
    echo "fish is not installed: its completion is not checked"
fi
if command -v zsh >/dev/null; then
    zsh -n "$completions/_varnholt-cli" || fail "zsh: the completion does not parse"
else
    echo "zsh is not installed: its completion is not checked"
fi
exit $status
