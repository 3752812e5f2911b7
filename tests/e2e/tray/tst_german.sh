#!/usr/bin/env bash
# Under LANGUAGE=de both programs speak German: the usage texts and messages, the tray menu
# as the notifier-item host reads it over D-Bus and as it opens on screen, a question with
# Qt's own buttons, and the screen saver's options. What is on screen is read the way a screen reader
# reads it, through AT-SPI.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/notifier_item.sh"
export LANGUAGE=de QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Debian's python3, which has pyatspi.
TREE=$(dirname "$0")/../atspi_tree.py
SAVER=$SENTARI_BIN_DIR/sentarisaver

"$SENTARI" --help | head -1 | grep -q '^Aufruf: sentari ' || fail "sentari --help: $("$SENTARI" --help | head -1)"
"$SAVER" --help | head -1 | grep -q '^Aufruf: sentarisaver ' || fail "sentarisaver --help: $("$SAVER" --help | head -1)"
# A call to the running tray with no bus to make it on.
if out=$(env -u DBUS_SESSION_BUS_ADDRESS DISPLAY= "$SENTARI" --change-quote 2>&1); then
    fail "--change-quote without a bus succeeded"
fi
grep -q '^sentari: kein Sitzungs-D-Bus' <<<"$out" || fail "sentari --change-quote: $out"

start_x
make_quotes 10
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>' 'DeleteQuote=ask'

# The menu a notifier-item host reads.
start_sni_host
start_sni_sentari || fail "sentari registered no StatusNotifierItem"
expected='_Hilfe|Sentari-Bildschirmscho_ner|separator|Zitat in die _Zwischenablage|Zwischenablage zu den Sentari-_Zitaten|Zitat _löschen|separator|_Sentari-Zitatdatei wechseln|separator|Si_gnatur ändern|Signatur in die Zwischen_ablage|separator|_Beenden'
[ "$(menu_labels)" = "$expected" ] || fail "exported menu: $(menu_labels)"
kill "$SENTARI_PID" "$HOST_PID"
wait "$SENTARI_PID" "$HOST_PID" 2>/dev/null || true

# The menu on screen, from an XEmbed tray.
start_tray
start_sentari
"$TREE" --focus 60 >"$W/focus.log" 2>&1 &
PIDS+=($!)
wait_for 10 grep -qx listening "$W/focus.log" || fail "no AT-SPI focus listener: $(cat "$W/focus.log")"
open_menu
has() { "$TREE" "$1" 5 | grep -qF "$2"; }
heard() { grep -qF "$1" "$W/focus.log"; }
for _ in 1 2 3 4 5 6; do
    xdotool key Down
    wait_for 2 heard 'menu item "Zitat löschen"' && break
done
heard 'menu "Sentari" > menu item "Zitat löschen"' || fail "the open menu is not German or not named Sentari: $(cat "$W/focus.log")"
xdotool key Escape
wait_for 5 menu_closed || fail "the menu stayed open on Escape"

# A question in German, with Qt's own buttons in German too; No keeps the quote.
lines_before=$(wc -l <"$DATA")
choose 5
wait_for 5 dialog_open || fail "no question before deleting"
wait_for 10 has sentari '"Möchten Sie das aktuelle Zitat wirklich löschen?"' \
    || fail "the question is not German: $("$TREE" sentari 1)"
has sentari 'push button "Nein"' || fail "Qt's own buttons are not German: $("$TREE" sentari 1)"
press_in_dialog Escape
wait_for 5 no_dialog || fail "the question did not close on Escape"
[ "$(wc -l <"$DATA")" -eq "$lines_before" ] || fail "No deleted the quote all the same"

# The screen saver's options.
"$SAVER" /c >"$W/saver.log" 2>&1 &
SAVER_PID=$!
PIDS+=($SAVER_PID)
wait_for 15 has sentarisaver '"Sentarisaver-Einstellungen"' || fail "no German options dialog: $("$TREE" sentarisaver 1)"
tree=$("$TREE" sentarisaver)
for text in '"Stile"' '"Übergang"' '"Passwortschutz"' 'push button "Abbrechen"' 'push button "Übernehmen"'; do
    grep -qF "$text" <<<"$tree" || fail "the options dialog lacks $text: $tree"
done
kill "$SAVER_PID"
echo "ok"
