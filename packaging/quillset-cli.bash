# Completion for quillset-cli: its commands, each command's options as its own
# --help lists them, the values of the options that take a word, and file names.
_quillset_cli() {
    local cur prev words cword
    _init_completion || return
    local cli=${words[0]}

    if ((cword == 1)); then
        local commands
        commands=$("$cli" --help 2>/dev/null | awk '/^Commands:/ { on = 1; next } on && !NF { exit } on { print $1 }')
        mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
        return
    fi

    case $prev in
        --language)
            mapfile -t COMPREPLY < <(compgen -W "script escpos zpl tspl epl2" -- "$cur")
            return ;;
        --printer-type)
            mapfile -t COMPREPLY < <(compgen -W "2 3 4" -- "$cur")
            return ;;
        --zpl-compression)
            mapfile -t COMPREPLY < <(compgen -W "ascii z64" -- "$cur")
            return ;;
        --media)
            mapfile -t COMPREPLY < <(compgen -W "gap mark continuous" -- "$cur")
            return ;;
        --to)
            mapfile -t COMPREPLY < <(compgen -W "$("$cli" printers 2>/dev/null)" -- "$cur")
            return ;;
        --state)
            mapfile -t COMPREPLY < <(compgen -W "ready paper-out head-open paused" -- "$cur")
            return ;;
        --dither)
            mapfile -t COMPREPLY < <(compgen -W "threshold threshold: ordered diffusion" -- "$cur")
            return ;;
        --delimiter)
            mapfile -t COMPREPLY < <(compgen -W "comma semicolon tab" -- "$cur")
            return ;;
        --band-rows | --print-width | --feed | --copies | --baud | --pages | --tcp | --records | \
            --seq-start | --seq-step | --darkness | --speed | --gap | --from-label | \
            --paper-out-after | --at | --width | --covering)
            return ;;
    esac

    if [[ $cur == -* ]]; then
        local options
        options=$("$cli" "${words[1]}" --help 2>/dev/null | awk '$1 ~ /^-/ { print $1 }')
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    _filedir
}
complete -F _quillset_cli quillset-cli
