# bash completion for sentari
_sentari()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    case $prev in
        --data-file)
            compopt -o filenames 2>/dev/null
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            return
            ;;
        -n | --print-signature)
            # A number: nothing to offer but the option list after --print-signature.
            [[ $prev == -n ]] && return
            ;;
    esac
    if [[ $cur == --data-file=* ]]; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "${cur#--data-file=}")
        return
    fi
    local options="--print-quote --print-signature --html-document --change-quote
        --data-file --autostart -s -l -n --help --version"
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}
complete -F _sentari sentari
