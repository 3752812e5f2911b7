#!/usr/bin/env bash
# Real mail programs take Sentari's signatures: mutt reading the signature file, with
# "NewQuoteAfterRead" on, gives each message its own quote; mutt running sentari
# --print-signature; alpine running sentari-signature. sendmail is a script that keeps each
# message in a folder: nothing is sent.
source "$(dirname "$0")/session.sh"

start_x
start_tray
make_quotes 30
SIG=$W/work.txt
write_ini "SignatureFile1=$SIG" 'Intro1=Jane Doe\r\n<Quote will be inserted here>' \
    "SignatureFile2=$W/home.txt" 'Intro2=J. at home\r\n<Quote will be inserted here>' \
    'NewQuoteAfterRead=true'
export HOME=$W
mkdir -p "$W/sent" "$W/Mail"
: >"$W/Mail/inbox"
printf '#!/bin/sh\n# Keeps the message instead of sending it.\ncat >"%s/sent/$(date +%%s%%N).eml"\n' "$W" >"$W/sendmail"
chmod +x "$W/sendmail"
printf 'Hello Bob,\n\nsee you on Monday.\n' >"$W/body.txt"

muttrc() {
    printf '%s\n' "set sendmail=\"$W/sendmail\"" "set signature=\"$1\"" \
        'set from="jane@example.org"' 'set realname="Jane Doe"' 'set use_from=yes' \
        'set copy=no' 'set hostname="example.org"' "set folder=\"$W/Mail\"" \
        "set spoolfile=\"$W/Mail/inbox\"" 'set send_charset="us-ascii:utf-8"' \
        'set editor="true"' 'set abort_unmodified=no'
}
# As a person sends: mutt's batch mode leaves the signature out. The editor keeps the body;
# Enter takes the recipient and the subject, y sends from the compose menu. mutt asks to update
# the body's encoding when its file's time stamp crossed a second while it was being written.
mutt_send() {
    PTY_KEYS_LOG=$W/mutt.log TERM=xterm timeout 60 python3 "$(dirname "$0")/pty_keys.py" 30 \
        'To: bob' '\r' 'Subject: ' '\r' 'y:Send' y '?Update encoding for' y -- mutt -n -F "$1" -s "$2" -i "$W/body.txt" bob@example.org ||
        fail "mutt could not send '$2': $(sed 's/\x1b\[[0-9;?]*[A-Za-z]/ /g' "$W/mutt.log" | tail -c 600)"
}
# The message's last line: where the signature's quote stands.
sent_quote() { tr -d '\r' <"$1" | sed '/^$/d' | tail -1; }
newest_mail() { ls "$W"/sent/*.eml | tail -1; }
mails() { ls "$W"/sent/*.eml 2>/dev/null | wc -l; }
in_data_file() { grep -qxF "$1" <(tr -d '\r' <"$DATA"); }

start_sentari
wait_for 10 test -s "$SIG" || fail "sentari did not write the signature file"

# Ten messages, as one writes them a few seconds apart: each read gives the next message
# another quote. The test never opens the file itself (that would be a read too): a refresh
# shows as a new file in its place.
file_id() { stat -c %i "$SIG"; }
muttrc "$SIG" >"$W/muttrc.file"
for i in $(seq 1 10); do
    before=$(file_id)
    mutt_send "$W/muttrc.file" "Message $i"
    wait_for 5 test "$(mails)" -eq "$i" || fail "message $i did not reach sendmail"
    mail=$(newest_mail)
    in_data_file "$(sent_quote "$mail")" || fail "message $i ends in '$(sent_quote "$mail")', not a quote"
    ! grep -q $'\r' "$mail" || fail "message $i has CR LF line ends"
    grep -qx -- '-- ' "$mail" && grep -qx 'Jane Doe' "$mail" ||
        fail "message $i lacks the signature: $(cat "$mail")"
    wait_for 5 test "$(file_id)" != "$before" ||
        fail "the quote stayed after mutt read the signature for message $i"
    sleep 1.2 # reads within a second count once
done
distinct=$(for m in "$W"/sent/*.eml; do printf "%s\n" "$(sent_quote "$m")"; done | sort -u | wc -l)
[ "$distinct" -eq 10 ] || fail "10 messages carried $distinct distinct quotes"
echo "mutt, signature file: 10 messages, $distinct distinct quotes"

# mutt running the signature command: a signature with a new quote per message.
muttrc "$SENTARI --print-signature 1|" >"$W/muttrc.command"
rm -f "$W"/sent/*.eml
mutt_send "$W/muttrc.command" "Command 1"
mutt_send "$W/muttrc.command" "Command 2"
[ "$(mails)" -eq 2 ] || fail "mutt with the signature command sent $(mails) messages, not 2"
first=$(sent_quote "$(ls "$W"/sent/*.eml | head -1)")
second=$(sent_quote "$(newest_mail)")
in_data_file "$first" && in_data_file "$second" ||
    fail "the command's quotes '$first', '$second' are not the data file's"
[ "$first" != "$second" ] || fail "two messages with the signature command carried the same quote"

# alpine runs its signature program without arguments: signature 2 through a link's name.
ln -s "$SENTARI_BIN_DIR/sentari-signature" "$W/sentari-signature-2"
printf '%s\n' 'personal-name=Jane Doe' 'user-domain=example.org' \
    "sendmail-path=$W/sendmail -oi -t" "signature-file=$W/sentari-signature-2|" \
    "inbox-path=$W/Mail/inbox" 'default-fcc=""' \
    'feature-list=quit-without-confirm,signature-at-bottom' >"$W/pinerc"
rm -f "$W"/sent/*.eml
PTY_KEYS_LOG=$W/alpine.log TERM=xterm timeout 60 python3 "$(dirname "$0")/pty_keys.py" 30 \
    'Message Text' 'Hello Bob\x18' 'Send message' y -- \
    alpine -p "$W/pinerc" -url 'mailto:bob@example.org?subject=From%20alpine' ||
    fail "alpine did not send: $(sed 's/\x1b\[[0-9;?]*[A-Za-z]/ /g' "$W/alpine.log" | tail -c 600)"
[ "$(mails)" -eq 1 ] || fail "alpine sent $(mails) messages, not 1"
mail=$(newest_mail)
grep -q 'J. at home' "$mail" || fail "alpine's message lacks signature 2: $(cat "$mail")"
in_data_file "$(sent_quote "$mail")" || fail "alpine's message ends in '$(sent_quote "$mail")', not a quote"
! grep -q 'sentari' "$mail" || fail "a message from sentari went into alpine's mail: $(cat "$mail")"
echo "alpine: signature 2 with '$(sent_quote "$mail")'"
