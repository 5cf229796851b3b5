# bash completion for varnholt-cli                         -*- shell-script -*-
#
# Works on its own and with the bash-completion package alike: it only uses
# COMP_WORDS, COMP_CWORD, compgen and compopt.

_varnholt_cli()
{
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local split=

    # "--category=te": bash splits the word at '=' when COMP_WORDBREAKS holds
    # it; otherwise the option and the value arrive as one word.
    if [[ $cur == = && $prev == --* ]]; then
        cur=
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)) && [[ ${COMP_WORDS[COMP_CWORD - 2]} == --* ]]; then
        prev=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == --*=* ]]; then
        prev=${cur%%=*}
        split=$prev=
        cur=${cur#*=}
    fi

    COMPREPLY=()
    if ((COMP_CWORD == 1)); then
        mapfile -t COMPREPLY < <(compgen -W 'scan clean large measure restore forecast grew --help --version' -- "$cur")
        return 0
    fi

    local command=${COMP_WORDS[1]} options
    case $command in
        scan) options='--json --exclude' ;;
        clean) options='--category --skip-item --delete --trash --exclude --yes --preview --json' ;;
        large) options='--threshold-mb --exclude --json' ;;
        measure | restore | forecast) options='--json' ;;
        grew) options='--since --record --json' ;;
        *) return 0 ;;
    esac

    # The value of the option before the cursor.
    case $prev in
        --category)
            [[ $command == clean ]] || return 0
            mapfile -t COMPREPLY < <(compgen -P "$split" -W 'temp appcache browser logs thumbs update dev trash' -- "$cur")
            return 0
            ;;
        --exclude)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -P "$split" -d -- "$cur")
            return 0
            ;;
        --skip-item)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -P "$split" -f -- "$cur")
            return 0
            ;;
        --threshold-mb)
            return 0
            ;;
    esac
    [[ -n $split ]] && return 0

    # Everything after "--" is the path to measure or the log to restore.
    local i ended= given=()
    for ((i = 2; i < COMP_CWORD; i++)); do
        [[ ${COMP_WORDS[i]} == -- ]] && ended=1
        given+=("${COMP_WORDS[i]%%=*}")
    done

    if [[ -z $ended && ( $cur == -* || ( $command != measure && $command != restore ) ) ]]; then
        # Options already given are not offered again, except the ones that
        # may repeat; --delete and --trash exclude each other.
        local option word offered=()
        for option in $options --help; do
            for word in "${given[@]}"; do
                case $option:$word in
                    --category:* | --skip-item:* | --exclude:*) ;;
                    "$word:$word" | --delete:--trash | --trash:--delete) continue 2 ;;
                esac
            done
            offered+=("$option")
        done
        mapfile -t COMPREPLY < <(compgen -W "${offered[*]}" -- "$cur")
        return 0
    fi

    if [[ $command == measure || $command == restore ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
    return 0
} &&
    complete -F _varnholt_cli varnholt-cli

# ex: filetype=sh
