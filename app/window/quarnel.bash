# Bash completion for quarnel, the wizard window: its options, the value of
# an option, and the positional parameters (workbook, XML file, document
# type).

_quarnel_workbooks()
{
    _filedir 'xls|xlsx|xlsm|ods|csv|tsv|txt'
}

# The document types; while more than one fits, each is offered with its
# name, so that the list says what the numbers mean.
_quarnel_types()
{
    local -a types=(
        '0 - книги' '1 - медиа товары' '2 - канцелярские товары' '3 - цифровая техника'
        '4 - карты' '5 - расходные материалы' '6 - филателия' '7 - нумизматика'
        '8 - календари' '9 - накладная'
    )
    local type
    local -a fitting=()
    for type in "${types[@]}"; do
        [[ ${type%% *} == "$1"* ]] && fitting+=("$type")
    done
    if ((${#fitting[@]} == 1)); then
        COMPREPLY=("${fitting[0]%% *}")
    else
        COMPREPLY=("${fitting[@]}")
    fi
}

# Whether the option is followed by a value of its own.
_quarnel_takes_value()
{
    case $1 in
        --settings | --sheet | --header-row | --layout)
            return 0
            ;;
    esac
    return 1
}

_quarnel()
{
    local cur prev words cword split
    # -s: "--settings=FILE" completes FILE as "--settings FILE" would.
    _init_completion -s || return

    case $prev in
        --settings)
            _filedir ini
            return
            ;;
        --header-row)
            COMPREPLY=($(compgen -W 'auto' -- "$cur"))
            return
            ;;
        --layout)
            COMPREPLY=($(compgen -W 'strict supplier' -- "$cur"))
            return
            ;;
    esac
    if _quarnel_takes_value "$prev" || [[ $split == true ]]; then
        return
    fi

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--settings --sheet --header-row --layout --help --version' -- "$cur"))
        return
    fi

    # Which positional parameter is being written: the words before it that
    # are neither options nor their values.
    local i position=0
    for ((i = 1; i < cword; i++)); do
        if _quarnel_takes_value "${words[i]}"; then
            ((i++))
        elif [[ ${words[i]} != -* ]]; then
            ((position++))
        fi
    done

    case $position in
        0) _quarnel_workbooks ;;
        1) _filedir xml ;;
        2) _quarnel_types "$cur" ;;
    esac
}

complete -F _quarnel quarnel
