# bash completion for sentarisaver
_sentarisaver()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    case $prev in
        -effect | --effect)
            mapfile -t COMPREPLY < <(compgen -W "0 1 2 3 4 5 6 7 8" -- "$cur")
            return
            ;;
        -speed | --speed | -wait | --wait)
            mapfile -t COMPREPLY < <(compgen -W "0 1 2" -- "$cur")
            return
            ;;
        -window-id | --window-id)
            return
            ;;
    esac
    local options="/s /c /p /a --root --window-id --effect --speed --wait --help --version"
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}
complete -F _sentarisaver sentarisaver
