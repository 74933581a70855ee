# Bash completion for amorist-cli: its commands, each command's options, the
# languages of --lang, and file names for batch. The commands and options are
# read from the program's own --help, so they never fall behind it.

_amorist_cli_help_words() {
    # $1: the program, $2: the command or nothing, $3: the heading of the list
    "$1" ${2:+"$2"} --help 2>/dev/null |
        sed -n "/^$3:\$/,/^\$/{s/^  \(-.\), \(--[a-z-]*\).*/\1 \2/p;s/^ *\(--[a-z-]*\).*/\1/p;s/^  \([a-z]\+\) .*/\1/p}"
}

_amorist_cli() {
    local program=${COMP_WORDS[0]} current=${COMP_WORDS[COMP_CWORD]}
    local command="" options_ended="" word i
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if [[ -z $options_ended && $word == -- ]]; then
            options_ended=1
        elif [[ -z $options_ended && $word == --lang ]]; then
            ((i++))  # its value is no command
        elif [[ -z $command && ( -n $options_ended || $word != -* ) ]]; then
            command=$word
        fi
    done

    if [[ -z $options_ended && ${COMP_WORDS[COMP_CWORD - 1]} == --lang ]]; then
        COMPREPLY=($(compgen -W "en de fr es" -- "$current"))
    elif [[ -z $options_ended && $current == -* ]]; then
        COMPREPLY=($(compgen -W "$(_amorist_cli_help_words "$program" "$command" Options)" \
            -- "$current"))
    elif [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$(_amorist_cli_help_words "$program" "" Commands)" \
            -- "$current"))
    elif [[ $command == batch ]]; then
        compopt -o filenames 2>/dev/null
        # One name a line, so a name with spaces stays one word.
        mapfile -t COMPREPLY < <(compgen -f -- "$current")
    else
        COMPREPLY=()
    fi
}

complete -F _amorist_cli amorist-cli
