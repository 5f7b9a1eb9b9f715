# Bash completion for quarnel-convert: options, the value of an option, and
# the positional parameters (workbook, XML file, document type).

_quarnel_convert_workbooks()
{
    _filedir 'xls|xlsx|xlsm|ods|csv|tsv|txt'
}

# The document types; while more than one fits, each is offered with its
# name, so that the list says what the numbers mean.
_quarnel_convert_types()
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
_quarnel_convert_takes_value()
{
    case $1 in
        --scheme | --settings | --date | --from-san | --from-company | --from-person | --to-san | \
            --to-company | --to-person | --save-scheme | --log | --regional | --sheet | --header-row | --layout)
            return 0
            ;;
    esac
    return 1
}

_quarnel_convert()
{
    local cur prev words cword split
    # -s: "--scheme=FILE" completes FILE as "--scheme FILE" would.
    _init_completion -s || return

    case $prev in
        --scheme | --save-scheme)
            _filedir sch
            return
            ;;
        --settings)
            _filedir ini
            return
            ;;
        --log)
            _filedir
            return
            ;;
        --regional)
            COMPREPLY=($(compgen -W 'ru system' -- "$cur"))
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
        --list-columns | --list-sheets | --dump)
            _quarnel_convert_workbooks
            return
            ;;
    esac
    if _quarnel_convert_takes_value "$prev" || [[ $split == true ]]; then
        return
    fi

    # Which positional parameter is being written: the words before it that
    # are neither options nor their values ("--" ends the options).
    local i position=0 options=true
    for ((i = 1; i < cword; i++)); do
        if [[ $options == true && ${words[i]} == -- ]]; then
            options=false
        elif [[ $options == true ]] && _quarnel_convert_takes_value "${words[i]}"; then
            ((i++))
        elif [[ $options == false || ${words[i]} != -* ]]; then
            ((position++))
        fi
    done

    if [[ $options == true && $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--scheme --settings --date --from-san --from-company --from-person
            --to-san --to-company --to-person --no-split --auto-scheme --auto-scheme=all --save-scheme --log --regional
            --sheet --header-row --layout --list-columns --list-sheets --dump --help --version' -- "$cur"))
        return
    fi

    case $position in
        0) _quarnel_convert_workbooks ;;
        1) _filedir xml ;;
        2) _quarnel_convert_types "$cur" ;;
    esac
}

complete -F _quarnel_convert quarnel-convert
