#!/usr/bin/env bash
# Shell completion: bash and zsh offer exactly the options each program's --help names,
# and bash completes them, their values and file names as a user types.
#   tst_completion.sh COMPLETION_DIR BIN_DIR
set -uo pipefail
dir=$1 bin=$2
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Option names without their dashes: the saver's usage gives -root, completion --root.
names() { sed -E 's/^-+//' | sort -u; }
usage_options() { "$bin/$1" --help | grep -oE '(^|[ [|(])(--?[a-z][a-z-]*|/[a-z])\b' | tr -d ' [|(' | names; }
bash_options() { complete_words "$1" "" | names; }
zsh_options() {
    { grep -oE '(--?[a-z][a-z-]*)=?\[' "$dir/_$1" | tr -d '=['; grep -oE "'/[a-z]:" "$dir/_$1" | tr -d "':"; } | names
}

# complete_words PROGRAM WORD...: what bash offers for the last word.
complete_words() {
    local program=$1
    shift
    # shellcheck source=/dev/null
    source "$dir/$program.bash"
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    "_$program"
    printf '%s\n' "${COMPREPLY[@]}"
}

for program in sentari sentarisaver; do
    usage=$(usage_options $program)
    [ -n "$usage" ] || fail "$program --help names no options"
    [ "$(bash_options $program)" = "$usage" ] ||
        fail "bash completes other options for $program than --help names: $(diff <(bash_options $program) - <<<"$usage" | tr '\n' ' ')"
    [ "$(zsh_options $program)" = "$usage" ] ||
        fail "zsh completes other options for $program than --help names: $(diff <(zsh_options $program) - <<<"$usage" | tr '\n' ' ')"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
touch "$work/quotes.txt" "$work/other.txt"
cd "$work" || exit 1
check() { # expected, words...
    local expected=$1
    shift
    local got
    got=$(complete_words "$@" | sort | paste -sd ' ')
    [ "$got" = "$expected" ] || fail "'$*' completes to '$got', not '$expected'"
}
check "--print-quote --print-signature" sentari --pr
check "quotes.txt" sentari --data-file qu
check "quotes.txt" sentari --data-file=qu
check "" sentari -n ""
check "/a /c /p /s" sentarisaver /
check "0 1 2 3 4 5 6 7 8" sentarisaver --root --effect ""
check "0 1 2" sentarisaver -root -wait ""

if command -v zsh >/dev/null; then
    comps=$(zsh -fc "fpath=($dir \$fpath); autoload -U compinit; compinit -u -D; print -r -- \${_comps[sentari]} \${_comps[sentarisaver]}")
    [ "$comps" = "_sentari _sentarisaver" ] || fail "zsh's compinit registers '$comps'"
    for f in "$dir"/_*; do zsh -n "$f" || fail "zsh cannot read $f"; done
fi
[ $failures -eq 0 ] && echo "ok" || exit 1
