#!/usr/bin/env bash
# The ask-once dialog on a real display: the start-up signature offer and the question
# before adding the clipboard, with "Don't ask this again" stored at each click.
source "$(dirname "$0")/session.sh"

start_x
start_tray
make_quotes 6
printf '[General]\nQuoteFile=%s\n' "$DATA" >"$INI" # both questions read "ask"

dialog() { local d; d=$(windows_of_type DIALOG); echo "${d%%$'\n'*}"; }
dialog_closed() { [ -z "$(dialog)" ]; }
# click_in_dialog X Y: a click at a point of the dialog's client area.
click_in_dialog() {
    local x y
    read -r x y < <(xwininfo -id "$(dialog)" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x, y }')
    xdotool mousemove $((x + $1)) $((y + $2)) click 1
    sleep 0.2
}
# Control centres in pixels at 96 dpi (the layout's twips / 15).
DONT_ASK_BOX=(40 154)
YES=(226 156)
NO=(312 156)

"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
wait_for 10 dialog_open || fail "no signature offer at the first start"
eval "$(xdotool getwindowgeometry --shell "$(dialog)")"
[ "$WIDTH" -eq 371 ] && [ "$HEIGHT" -eq 178 ] || fail "the dialog is ${WIDTH}x$HEIGHT, not 371x178 (5565 x 2670 twips)"
[ "$(xdotool getwindowname "$(dialog)")" = "Sentari" ] || fail "dialog caption '$(xdotool getwindowname "$(dialog)")'"
import -window root "$W/askonce.png"

# Only a close box: the hints offer no minimise or maximise (Motif functions 0x8, 0x10 and
# decorations 0x20, 0x40), and the window manager allows neither maximising nor resizing.
read -r mwm_flags mwm_functions mwm_decorations _ < <(xprop -id "$(dialog)" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
((mwm_flags & 3)) || fail "no Motif functions and decorations hints: $mwm_flags"
((mwm_functions & 0x20)) || fail "the Motif hints offer no close: $mwm_functions"
((mwm_functions & 0x18)) && fail "the Motif hints offer minimise or maximise: $mwm_functions"
((mwm_decorations & 0x60)) && fail "the Motif hints ask for minimise or maximise buttons: $mwm_decorations"
actions=$(xprop -id "$(dialog)" _NET_WM_ALLOWED_ACTIONS)
grep -q _NET_WM_ACTION_CLOSE <<<"$actions" || fail "the dialog cannot be closed: $actions"
grep -qE '_NET_WM_ACTION_(MAXIMIZE|RESIZE)' <<<"$actions" && fail "the dialog can be maximised or resized: $actions"
# openbox still draws a minimise button on every dialog: minimised, the question comes back
# (it would otherwise be lost, with no task bar to restore it from).
xdotool windowminimize "$(dialog)"
sleep 0.5
wait_for 5 dialog_open || fail "the minimised question did not come back"
eval "$(xdotool getwindowgeometry --shell "$(dialog)")"
[ "$WIDTH" -eq 371 ] && [ "$HEIGHT" -eq 178 ] || fail "the question came back ${WIDTH}x$HEIGHT"

# Ticking stores "don't ask" at once; unticking "ask"; ticking again and No: never again.
click_in_dialog "${DONT_ASK_BOX[@]}"
[ "$(setting CreateSignature)" = "don't ask" ] || fail "ticking stored '$(setting CreateSignature)'"
click_in_dialog "${DONT_ASK_BOX[@]}"
[ "$(setting CreateSignature)" = "ask" ] || fail "unticking stored '$(setting CreateSignature)'"
click_in_dialog "${DONT_ASK_BOX[@]}"
click_in_dialog "${NO[@]}"
wait_for 5 dialog_closed || fail "No did not close the offer"
wait_for 10 icon_docked || fail "no icon after the offer"
[ "$(setting CreateSignature)" = "don't ask" ] || fail "CreateSignature is '$(setting CreateSignature)' after No"

# "Add clipboard to Sentari Data" asks first; with the box ticked only Yes goes on.
locate_icon
printf 'A new saying' | xclip -i -selection clipboard
lines=$(wc -l <"$DATA")
xdotool mousemove "$ICON_X" "$ICON_Y" click 3
sleep 0.5
xdotool key Down Down Down Down Return
wait_for 5 dialog_open || fail "no question before adding the clipboard"
click_in_dialog "${DONT_ASK_BOX[@]}"
[ "$(setting AddClipboard)" = "don't ask" ] || fail "ticking stored AddClipboard '$(setting AddClipboard)'"
click_in_dialog "${NO[@]}"
dialog_open || fail "the disabled No closed the question"
[ "$(wc -l <"$DATA")" -eq "$lines" ] || fail "the quote was added before Yes"
click_in_dialog "${YES[@]}"
wait_for 5 dialog_closed || fail "Yes did not close the question"
added() { [ "$(tail -1 "$DATA" | tr -d '\r')" = "A new saying" ]; }
wait_for 5 added || fail "Yes did not add the clipboard: $(tail -1 "$DATA")"

# The next start asks nothing.
kill "$SENTARI_PID"
wait "$SENTARI_PID" 2>/dev/null || true
start_sentari
dialog_closed || fail "a question at the next start"
echo "ok"
