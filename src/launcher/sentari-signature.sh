#!/bin/sh
# A signature program for mail programs that run one without arguments (alpine): prints
# signature 1 with a new quote, or signature N when this is called by a name that ends in
# -N (a link named sentari-signature-2). Arguments, if any, go to sentari --print-signature.
#
# alpine puts what the program writes to stderr into the message too: a warning that comes
# with a signature (no quote of that length, say) goes to the system log instead; an error,
# with no signature, stays on stderr, where the user sees it in place of the signature.
here=$(dirname "$(readlink -f "$0")")
name=${0##*/}
case $name in
sentari-signature-[1-9]*)
    case ${name##*-} in
    *[!0-9]*) ;;
    *) set -- "${name##*-}" "$@" ;;
    esac
    ;;
esac
exec 3>&1
status=0
errors=$("$here/sentari" --print-signature "$@" 2>&1 >&3 3>&-) || status=$?
exec 3>&-
if [ "$status" -ne 0 ]; then
    [ -z "$errors" ] || printf '%s\n' "$errors" >&2
elif [ -n "$errors" ]; then
    logger -t sentari-signature -- "$errors" 2>/dev/null || true
fi
exit "$status"
