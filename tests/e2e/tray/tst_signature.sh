#!/usr/bin/env bash
# The signature window reached from the tray, with the real Qt file dialog: opened by the
# start-up offer and the menu, save the default template, a new quote on a tray click and a
# D-Bus call, a second entry saved as rich text, Remove, and reopening. The tray answers all
# along: the window is not modal.
source "$(dirname "$0")/session.sh"

export HOME=$W/home # where the first save proposes signature.txt
mkdir -p "$HOME" "$W/sigs"
start_x
start_tray
make_quotes 20
printf '[General]\nQuoteFile=%s\n' "$DATA" >"$INI" # no signature: the start-up offer comes
"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)

TAG='<Quote will be inserted here>'
SIG1=$HOME/signature.txt
SIG2=$W/sigs/second.rtf

has_key() { grep -qi "^$1=" "$INI"; }
# The file holds a quote of the data file in place of the tag.
quote_in() { grep -o 'Quote number [0-9]*: well begun is half done\.' "$1" 2>/dev/null | head -1; }
has_quote() { [ -n "$(quote_in "$1")" ] && ! grep -qF "$TAG" "$1"; }
quote_changed() { [ "$(quote_in "$1")" != "$2" ]; }
window_shown() { [ -n "$(named_window "$1")" ]; }
window_gone() { [ -z "$(named_window "$1")" ]; }
# keys_to TITLE KEY...: gives the window of that title the focus and presses the keys there.
keys_to() {
    local w
    w=$(named_window "$1")
    [ -n "$w" ] || fail "no window '$1' to press $2 in"
    shift
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool key --delay 50 "$@"
}

# A yes to the start-up offer opens the window on the default template, with the tray's
# icon; "Change &Signature" (the seventh item) then brings the same window forward.
wait_for 10 dialog_open || fail "no signature offer at start-up"
press_in_dialog alt+y
wait_for 10 window_shown "Signature control" || fail "a yes to the offer opened no window"
has_icon() { xprop -id "$(named_window "Signature control")" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL)'; }
wait_for 5 has_icon || fail "the window has no icon: $(xprop -id "$(named_window "Signature control")" _NET_WM_ICON | head -3)"
find_icon
choose 7
sleep 0.5
windows=$(x_tree | grep -c '"Signature control — Sentari"' || true)
[ "$windows" -eq 1 ] || fail "$windows signature windows after Change Signature"
import -window root "$W/signature-window.png"

# Ctrl+S on the unsaved template asks where, proposing signature.txt in the home folder.
keys_to "Signature control" ctrl+s
wait_for 10 dialog_open || fail "no Save dialog on Ctrl+S"
title=$(xdotool getwindowname "$(windows_of_type DIALOG)")
[ "${title% — Sentari}" = "Save As" ] || fail "the dialog is '$title'"
press_in_dialog Return
wait_for 10 no_dialog || fail "the Save dialog stayed open"
wait_for 10 has_quote "$SIG1" || fail "the saved file holds no quote: $(cat "$SIG1" 2>&1)"
head -1 "$SIG1" | grep -q '^Add your signature information here\.' || fail "the file is not the template: $(cat "$SIG1")"
[ "$(setting SignatureFile1)" = "$SIG1" ] || fail "SignatureFile1 is '$(setting SignatureFile1)'"
setting Intro1 | grep -qF "$TAG" || fail "Intro1 is '$(setting Intro1)'"
wait_for 5 window_shown "$SIG1" || fail "the caption is not the saved file's path"

# The tray answers while the window is open: the pop-up shows the file's quote, a click and
# a D-Bus call each put a new one into the file. (The pop-up the menu's press opened still
# shows the quote of then: leave it first.)
leave_icon
hover_icon
[ "$(popup_text)" = "$(quote_in "$SIG1")" ] || fail "the pop-up shows '$(popup_text)', the file '$(quote_in "$SIG1")'"
leave_icon
quote=$(quote_in "$SIG1")
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_for 5 quote_changed "$SIG1" "$quote" || fail "a tray click left the file's quote"
quote=$(quote_in "$SIG1")
timeout 20 "$SENTARI" --change-quote || fail "the D-Bus call failed while the window was open"
[ "$(quote_in "$SIG1")" != "$quote" ] || fail "a D-Bus call left the file's quote"

# Add, typed text, Ctrl+I, then File > Save as a .rtf file: a rich-text file with the quote.
keys_to "$SIG1" ctrl+a
wait_for 5 window_shown "Signature file" || fail "Add did not clear the editor"
xdotool type --delay 20 "Best regards from Pim"
keys_to "Signature file" Return ctrl+i alt+f Down Down Down Return
wait_for 10 dialog_open || fail "no dialog for Save as"
xdotool key ctrl+a
xdotool type --delay 20 "$SIG2"
sleep 0.3 # the file name completer settles
press_in_dialog Return
wait_for 10 no_dialog || fail "the Save as dialog stayed open"
wait_for 10 has_quote "$SIG2" || fail "the rich-text file holds no quote: $(cat "$SIG2" 2>&1)"
head -c 6 "$SIG2" | grep -qF '{\rtf1' || fail "not a rich-text file: $(head -c 80 "$SIG2")"
grep -qF 'Best regards from Pim' "$SIG2" || fail "the typed text is not in the file: $(cat "$SIG2")"
[ "$(quote_in "$SIG1")" = "$(quote_in "$SIG2")" ] || fail "the save did not give both files the new quote"
[ "$(setting SignatureFile2)" = "$SIG2" ] || fail "SignatureFile2 is '$(setting SignatureFile2)'"
has_key Fontname2 || fail "no font stored for the rich-text entry"

# Remove takes the current (last) entry's keys away and shows entry 1.
keys_to "$SIG2" ctrl+r
gone_keys() { ! grep -qiE '^(SignatureFile|Intro|Fontname|Fontsize|Fontcolor)2=' "$INI"; }
wait_for 5 gone_keys || fail "Remove left keys of index 2: $(grep -iE '^[a-z]+2=' "$INI")"
has_key SignatureFile1 && has_key Intro1 || fail "Remove took entry 1's keys"
wait_for 5 window_shown "$SIG1" || fail "entry 1 is not shown after Remove"

# Closed by the window manager and opened again: entry 1 from the store.
keys_to "$SIG1" alt+F4
wait_for 5 window_gone "$SIG1" || fail "the window did not close"
choose 7
wait_for 10 window_shown "$SIG1" || fail "the reopened window does not show entry 1"
window_gone "Signature control" || fail "the reopened window shows the default template"

choose 9
wait_for 5 ended $SENTARI_PID || fail "sentari still runs after Exit"
echo "ok"
