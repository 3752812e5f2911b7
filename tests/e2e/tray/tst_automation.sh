#!/usr/bin/env bash
# ChangeActiveQuote on the session bus: the call starts sentari through its activation
# file, rewrites every signature file the settings list, and one sentari serves it all.
source "$(dirname "$0")/session.sh"

start_x
start_tray
make_quotes 30
SIG1=$W/work.txt
SIG2=$W/home.htm
write_ini "SignatureFile1=$SIG1" 'Intro1=J. Doe\r\n<Quote will be inserted here>' \
    "SignatureFile2=$SIG2" 'Intro2=<p>Jane</p>\r\n<p><Quote will be inserted here></p>'

change_quote() {
    dbus-send --session --print-reply --reply-timeout=20000 --dest=org.sentari.SentariExe \
        /Interface org.sentari.SentariExe.Interface.ChangeActiveQuote >"$W/reply.txt" 2>&1 \
        || fail "ChangeActiveQuote failed: $(cat "$W/reply.txt")"
}
quote_of() { tr -d '\r' <"$1" | tail -1 | sed 's#^<p>##; s#</p>$##'; }

# Nothing runs yet: the call starts sentari, whose start-up docks the icon.
[ -z "$(icon_window)" ] || fail "an icon before sentari started"
change_quote
wait_for 10 icon_docked || fail "the activated sentari did not dock its icon"
SENTARI_PID=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.sentari.SentariExe | awk '/uint32/ { print $2 }')
PIDS+=($SENTARI_PID)
[ -f "$SIG1" ] && [ -f "$SIG2" ] || fail "the signature files were not written"
q1=$(quote_of "$SIG1")
[ "$(quote_of "$SIG2")" = "$q1" ] || fail "the two signatures hold different quotes"
grep -qxF "$q1" <(tr -d '\r' <"$DATA") || fail "signature quote '$q1' is not in the data file"
head -1 "$SIG1" | grep -q '^J. Doe' || fail "signature 1 lost its template: $(cat "$SIG1")"

# Each call writes a new quote into both files (the store never repeats the last pick).
for n in 1 2; do
    before=$(quote_of "$SIG1")
    change_quote
    after=$(quote_of "$SIG1")
    [ "$after" != "$before" ] || fail "call $n left signature 1 unchanged"
    [ "$(quote_of "$SIG2")" = "$after" ] || fail "call $n did not rewrite signature 2"
done

# sentari --change-quote goes through the same call.
before=$(quote_of "$SIG1")
"$SENTARI" --change-quote || fail "sentari --change-quote ended with $?"
[ "$(quote_of "$SIG1")" != "$before" ] || fail "sentari --change-quote did not change the quote"

# The hover shows the quote the call chose.
locate_icon
hover_icon
[ "$(popup_text)" = "$(quote_of "$SIG1")" ] || fail "the pop-up shows '$(popup_text)', not the called-for quote"
leave_icon

# A call that comes while the user is in the tray menu is served at once; the menu stays.
before=$(quote_of "$SIG1")
xdotool mousemove "$ICON_X" "$ICON_Y" click 3
wait_for 5 menu_open || fail "no menu after a right press"
timeout 5 "$SENTARI" --change-quote >"$W/held.txt" 2>&1 || fail "the call during the menu failed or waited: $? $(cat "$W/held.txt")"
[ "$(quote_of "$SIG1")" != "$before" ] || fail "the call during the menu did not change the quote"
menu_open || fail "the call closed the menu"
xdotool key Escape
wait_for 5 menu_closed || fail "Escape did not close the menu"

# A signature file that cannot be written: the caller hears which at once, then the user.
chmod a-w "$SIG2"
if timeout 5 "$SENTARI" --change-quote 2>"$W/readonly.txt"; then
    fail "sentari --change-quote succeeded although $SIG2 is read-only"
fi
grep -qF "$SIG2" "$W/readonly.txt" || fail "the failure does not name the file: $(cat "$W/readonly.txt")"
wait_for 5 dialog_open || fail "the user was not told of the read-only signature"
press_in_dialog Return
wait_for 5 no_dialog || fail "the warning did not close"
chmod u+w "$SIG2"

# A second start finds the bus name taken and leaves at once, without a second icon.
timeout 20 "$SENTARI" >"$W/second.log" 2>&1 || fail "the second sentari ended with $? ($(cat "$W/second.log"))"
sleep 0.3
icons=$(x_tree | grep -cE '"Sentari": \("sentari" "Sentari"\)  22x' || true)
[ "$icons" -eq 1 ] || fail "$icons icons in the tray after a second start"

# Without a bus the command says why and fails.
if DBUS_SESSION_BUS_ADDRESS=unix:path=$W/no-bus "$SENTARI" --change-quote 2>"$W/nobus.txt"; then
    fail "sentari --change-quote succeeded without a bus"
fi
grep -q 'sentari:' "$W/nobus.txt" || fail "no message without a bus: $(cat "$W/nobus.txt")"

# The interface on the bus is the one data/ describes.
dbus-send --session --print-reply --dest=org.sentari.SentariExe /Interface \
    org.freedesktop.DBus.Introspectable.Introspect >"$W/introspect.txt"
grep -q '<interface name="org.sentari.SentariExe.Interface">' "$W/introspect.txt" || fail "interface missing from introspection"
grep -Eq '<method name="ChangeActiveQuote"/?>' "$W/introspect.txt" || fail "method missing from introspection"

# The data file is gone: a left press asks for another. A call that comes meanwhile fails at
# once and says why; when the user chooses none, Sentari ends.
rm "$DATA"
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_for 5 dialog_open || fail "no question after the data file went"
if timeout 5 "$SENTARI" --change-quote >"$W/late.txt" 2>&1; then
    fail "the call during the question succeeded: $(cat "$W/late.txt")"
fi
grep -q 'quote data file' "$W/late.txt" || fail "the call failed without saying why: $(cat "$W/late.txt")"
press_in_dialog Return
file_dialog() { windows_of_type DIALOG | while read -r w; do xprop -id "$w" WM_NAME | grep -q 'Sentari data file' && echo "$w"; done; }
file_dialog_open() { [ -n "$(file_dialog)" ]; }
wait_for 5 file_dialog_open || fail "no file dialog after the question"
press_in_dialog Escape
wait_for 5 ended $SENTARI_PID || fail "sentari still runs after no data file was chosen"
echo "ok"
