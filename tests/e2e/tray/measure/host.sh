#!/usr/bin/env bash
# One row of the host table (table.sh runs them all): on one kind of notification area
# (../hosts.sh), whether the icon docks, where the pop-up and the menu open, whether a click
# changes the quote and the icon docks again after the host restarts, and the CPU time
# (clock ticks) sentari uses idle for 30 s and with the pointer resting on the icon for 10 s.
# Reports; never fails on a figure. Usage: host.sh KIND
source "$(dirname "$0")/../session.sh"
source "$(dirname "$0")/../hosts.sh"
trap - ERR
set +e

KIND=${1:?which host}
start_desktop "$KIND"
make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }
# cpu SECONDS: "N ticks/M wake-ups" of sentari over that time
cpu() {
    local t0 w0
    t0=$(ticks "$SENTARI_PID"); w0=$(wakeups "$SENTARI_PID")
    sleep "$1"
    echo "$(($(ticks "$SENTARI_PID") - t0)) ticks/$(($(wakeups "$SENTARI_PID") - w0)) wake-ups"
}
read -r wa_x wa_y wa_w wa_h < <(work_area)
icon="-" popup="-" click="-" menu="-" redock="-" rest="-"

"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
quote=$(sleep 2; signature_quote "$SIG")
case $KIND in
none)
    notice() { [ -n "$(windows_of_type DIALOG)" ]; }
    wait_for 10 notice && icon="notice shown" || icon="no notice"
    ;;
notifier-item)
    wait_for 10 item_registered && icon="item registered" || icon="not registered"
    popup="tooltip (no hover)" rest="no hover"
    bar=$(xdotool search --onlyvisible --class gtk-sni-tray-standalone | head -1)
    eval "$(xdotool getwindowgeometry --shell "$bar")"
    ICON_X=$((X + WIDTH - HEIGHT / 2)); ICON_Y=$((Y + HEIGHT / 2))
    xdotool mousemove "$ICON_X" "$ICON_Y" click 1
    wait_for 5 signature_differs "$SIG" "$quote" && click=yes || click=no
    sleep 0.5
    xdotool click 3
    sleep 1
    m=$(xdotool search --onlyvisible --class gtk-sni-tray-standalone | while read -r w; do xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q POPUP_MENU && echo "$w"; done | head -1)
    if [ -n "$m" ]; then eval "$(xdotool getwindowgeometry --shell "$m")"; menu="host's, ${WIDTH}x$HEIGHT+$X+$Y"; else menu="none"; fi
    xdotool key Escape
    stop_host; restart_host; sleep 2
    # Docked again when a click on the new host's icon still changes the quote.
    quote=$(signature_quote "$SIG")
    xdotool mousemove "$ICON_X" "$ICON_Y" click 1
    wait_for 5 signature_differs "$SIG" "$quote" && redock=yes || redock=no
    ;;
*)
    wait_for 15 icon_docked && icon=docked || icon="not docked"
    ICON=$(icon_window)
    eval "$(xdotool getwindowgeometry --shell "$ICON")"
    ICON_X=$((X + WIDTH / 2)); ICON_Y=$((Y + HEIGHT / 2))
    icon="$icon ${WIDTH}x$HEIGHT+$X+$Y"
    xdotool mousemove "$ICON_X" "$ICON_Y"
    if wait_for 5 popup_open; then
        eval "$(xdotool getwindowgeometry --shell "$(popup_window)")"
        popup="${WIDTH}x$HEIGHT+$X+$Y"
        sleep 1
        rest=$(cpu 10)
    fi
    xdotool mousemove 300 300; wait_for 5 popup_closed
    xdotool mousemove "$ICON_X" "$ICON_Y" click 3
    menu_open() { [ -n "$(named_window PopupQuote)" ]; }
    if wait_for 5 menu_open; then
        sleep 0.2
        eval "$(xdotool getwindowgeometry --shell "$(named_window PopupQuote)")"
        menu="${WIDTH}x$HEIGHT+$X+$Y"
    fi
    xdotool key Escape; sleep 0.6
    quote=$(signature_quote "$SIG")
    xdotool mousemove "$ICON_X" "$ICON_Y" click 1
    wait_for 5 signature_differs "$SIG" "$quote" && click=yes || click=no
    xdotool mousemove 300 300
    stop_host; restart_host
    wait_for 15 icon_docked && redock=yes || redock=no
    ;;
esac
sleep 3
idle=$(cpu 30)
kill -0 "$SENTARI_PID" || idle="sentari died"
printf '| %s | %s | %s | %s | %s | %s | %s | %s |\n' "$KIND" "$icon" "$popup" "$click" "$menu" "$redock" "$idle" "$rest"
import -window root "${MEASURE_SHOTS:-$W}/$KIND.png" 2>/dev/null
