#!/usr/bin/env bash
# Start-up without a tray, docking when one appears and again after it restarts, ending on
# a session's SIGTERM, and the QuickShow window.
source "$(dirname "$0")/session.sh"

start_x

# A login in an account that never chose a quote file: the autostart entry's command ends at
# once and silently, asking nothing and leaving no file behind.
fresh=$W/fresh
mkdir -p "$fresh"
login=$(sed -n 's/^Exec=sentari //p' "$(dirname "$0")/../../../data/sentari-autostart.desktop")
(
    export HOME=$fresh XDG_CONFIG_HOME=$fresh/.config XDG_DATA_HOME=$fresh/.local/share \
        XDG_CACHE_HOME=$fresh/.cache
    cd "$fresh"
    # shellcheck disable=SC2086 # the entry's arguments, split as the desktop splits them
    exec timeout 10 "$SENTARI" $login >"$W/autostart.log" 2>&1
) && status=0 || status=$?
[ "$status" -eq 0 ] || fail "the autostart entry ended with $status in a fresh account"
[ ! -s "$W/autostart.log" ] || fail "the autostart entry said: $(cat "$W/autostart.log")"
[ -z "$(find "$fresh" -mindepth 1)" ] || fail "the autostart entry left $(find "$fresh" -mindepth 1)"

make_quotes 8
write_ini

# No tray yet: a notice says Sentari waits. It holds nothing up: while it is still shown,
# the icon docks when a tray starts and answers the pointer.
"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
wait_for 10 dialog_open || fail "no message while there is no notification area"
NOTICE=$(windows_of_type DIALOG)
! xprop -id "$NOTICE" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "the waiting notice is modal"
! xprop -id "$NOTICE" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE || fail "the waiting notice can be maximised"
start_tray
wait_for 10 icon_docked || fail "the icon did not dock into the tray that started later"
# Once the icon is in, the notice is no longer true and goes.
wait_for 5 no_dialog || fail "the waiting notice stayed after the icon docked"
locate_icon
[ "$ICON_W" -ge 22 ] && [ "$ICON_H" -ge 22 ] || fail "the icon got a ${ICON_W}x$ICON_H slot"
hover_icon
leave_icon

# The tray restarts while the menu is open: sentari lives on, the icon docks into the new
# tray, and no second message comes.
xdotool mousemove "$ICON_X" "$ICON_Y" click 3
menu_open() { [ -n "$(named_window PopupQuote)" ]; }
wait_for 5 menu_open || fail "no menu after a right press"
kill "$TRAYER_PID"
wait "$TRAYER_PID" 2>/dev/null || true
sleep 0.5
start_tray
kill -0 "$SENTARI_PID" || fail "sentari died when the tray restarted with the menu open"
xdotool key Escape
menu_closed() { [ -z "$(named_window PopupQuote)" ]; }
wait_for 5 menu_closed || fail "Escape did not close the menu"
wait_for 10 icon_docked || fail "the icon did not dock again after the tray restarted"
! dialog_open || fail "the waiting message came a second time"
locate_icon
hover_icon
leave_icon

# A session that ends sends SIGTERM: the icon goes, the program ends normally.
kill -TERM "$SENTARI_PID"
wait "$SENTARI_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "sentari ended with $status on SIGTERM"
! icon_docked || fail "the icon stayed in the tray after SIGTERM"

quick_window() { x_tree | grep -qE '\("sentari" "Sentari"\)  512x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+0\+0$'; }

# Only the exact word "true" starts QuickShow: these give the icon, also through the login
# entry's --autostart, since a quote file is chosen.
for value in True '" true"' '"true "'; do
    write_ini "QuickShow=$value"
    start_sentari --autostart
    icon_docked || fail "sentari --autostart with a quote file gave no icon"
    ! quick_window || fail "QuickShow=$value started QuickShow"
    kill -TERM "$SENTARI_PID"
    wait "$SENTARI_PID" || fail "sentari ended with $? on SIGTERM (QuickShow=$value)"
done

# Without a session bus the runtime folder's lock keeps it to one sentari per display; a
# killed one's lock is taken over.
write_ini
icons() { x_tree | grep -c '"Sentari": ("sentari" "Sentari")' || true; }
DBUS_SESSION_BUS_ADDRESS=unix:path=$W/no-bus "$SENTARI" >"$W/first.log" 2>&1 &
FIRST=$!
PIDS+=($FIRST)
wait_for 10 icon_docked || fail "no icon from sentari without a bus"
DBUS_SESSION_BUS_ADDRESS=unix:path=$W/no-bus timeout 20 "$SENTARI" >"$W/second.log" 2>&1 ||
    fail "a second sentari without a bus ended with $?: $(cat "$W/second.log")"
grep -q "runs on this display already" "$W/second.log" || fail "the second sentari did not say why it ended: $(cat "$W/second.log")"
[ "$(icons)" -eq 1 ] || fail "$(icons) icons without a bus"
kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null || true
wait_for 5 sh -c '! xwininfo -root -tree | grep -q "\"Sentari\": (\"sentari\""' || fail "the killed sentari's icon stayed"
DBUS_SESSION_BUS_ADDRESS=unix:path=$W/no-bus "$SENTARI" >"$W/third.log" 2>&1 &
THIRD=$!
PIDS+=($THIRD)
wait_for 10 icon_docked || fail "a killed sentari's lock kept the next one out: $(cat "$W/third.log")"
kill -TERM "$THIRD"
wait "$THIRD" || fail "sentari without a bus ended with $? on SIGTERM"

# QuickShow: one quote, half the screen wide at the top-left, gone on the first mouse move.
write_ini 'QuickShow=true'
xdotool mousemove 900 700
"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
wait_for 10 quick_window || fail "no half-screen QuickShow window at the top-left"
icon_docked && fail "QuickShow put an icon into the tray"
import -window root "$W/quickshow.png"
sleep 0.5
kill -0 "$SENTARI_PID" || fail "QuickShow ended before the mouse moved"
xdotool mousemove 100 20 sleep 0.1 mousemove 110 25
wait_for 5 ended $SENTARI_PID || fail "QuickShow did not end on a mouse move"
wait "$SENTARI_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "QuickShow ended with status $status"
echo "ok"
