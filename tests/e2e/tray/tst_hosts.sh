#!/usr/bin/env bash
# One desktop's notification area (hosts.sh names them): the icon docks and shows only its
# own pixels; the pop-up opens in the work area's corner nearest the icon without covering
# it; the menu opens beside the pointer on the panel's side, inside the work area; a click
# changes the quote; after the host restarts the icon docks again and still answers.
# Usage: tst_hosts.sh KIND
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/hosts.sh"

start_desktop "${1:?which host}"
make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
start_sentari
read -r wa_x wa_y wa_w wa_h < <(work_area)
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
right_half=$((2 * ICON_X + 1 >= screen_w))
lower_half=$((2 * ICON_Y + 1 >= screen_h))

# Only the icon's own pixels: its corner shows the panel as it is just beside the icon.
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | awk 'NR == 2 { print $3 }'; }
left=$((ICON_X - ICON_W / 2))
top=$((ICON_Y - ICON_H / 2))
panel_shows_through() {
    corner=$(pixel "$left" "$top")
    if [ "$left" -gt 0 ]; then beside=$(pixel $((left - 1)) "$top"); else beside=$(pixel "$left" $((top - 1))); fi
    [ "$corner" = "$beside" ]
}
wait_for 3 panel_shows_through || fail "the icon's corner is $corner, the panel beside it $beside"

if [ "$HOST_KIND" = hidpi ]; then
    xprop -id "$ICON" WM_NORMAL_HINTS | grep -q 'minimum size: 44 by 44' ||
        fail "the icon asks for $(xprop -id "$ICON" WM_NORMAL_HINTS | grep minimum)"
fi

# inside X Y W H: the box lies in the work area.
inside() { [ "$1" -ge "$wa_x" ] && [ "$2" -ge "$wa_y" ] && [ $(($1 + $3)) -le $((wa_x + wa_w)) ] && [ $(($2 + $4)) -le $((wa_y + wa_h)) ]; }

hover_icon
first=$(signature_quote "$SIG")
[ "$(popup_text)" = "$first" ] || fail "the pop-up shows '$(popup_text)', the quote is '$first'"
eval "$(xdotool getwindowgeometry --shell "$(popup_window)")"
inside "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "pop-up ${WIDTH}x$HEIGHT+$X+$Y leaves the work area $wa_w x $wa_h+$wa_x+$wa_y"
[ "$HOST_KIND" != hidpi ] || [ "$WIDTH" -eq 354 ] || fail "the pop-up is $WIDTH pixels wide at 2x, not 354"
if [ $ICON_X -ge $X ] && [ $ICON_X -lt $((X + WIDTH)) ] && [ $ICON_Y -ge $Y ] && [ $ICON_Y -lt $((Y + HEIGHT)) ]; then
    fail "the pop-up covers the icon"
fi
if [ $right_half = 1 ]; then
    [ $((X + WIDTH)) -eq $((wa_x + wa_w)) ] || fail "pop-up right edge $((X + WIDTH)), work area right $((wa_x + wa_w))"
else
    [ "$X" -eq "$wa_x" ] || fail "pop-up left edge $X, work area left $wa_x"
fi
[ $((2 * (Y + HEIGHT / 2) >= screen_h)) = $lower_half ] || fail "the pop-up is on the other half of the screen (top $Y)"
import -window root "$W/popup.png"
leave_icon

# The menu: 10 pixels right of the pointer (or against the work area's right edge), above
# the pointer on a lower panel and below it on an upper one.
xdotool mousemove "$ICON_X" "$ICON_Y" click 3
menu_window() { named_window PopupQuote; }
menu_open() { [ -n "$(menu_window)" ]; }
wait_for 5 menu_open || fail "no menu after a right press"
sleep 0.2
eval "$(xdotool getwindowgeometry --shell "$(menu_window)")"
import -window root "$W/menu.png"
inside "$X" "$Y" "$WIDTH" "$HEIGHT" || fail "menu ${WIDTH}x$HEIGHT+$X+$Y leaves the work area"
want_x=$((ICON_X + 10 > wa_x ? ICON_X + 10 : wa_x))
[ "$X" -eq "$want_x" ] || [ $((X + WIDTH)) -eq $((wa_x + wa_w)) ] || fail "menu left edge $X, pointer at $ICON_X"
if [ $lower_half = 1 ]; then
    [ $((Y + HEIGHT)) -le "$ICON_Y" ] || fail "menu bottom $((Y + HEIGHT)) below the pointer at $ICON_Y"
else
    [ "$Y" -ge "$ICON_Y" ] || fail "menu top $Y above the pointer at $ICON_Y"
fi
xdotool key Escape
menu_closed() { [ -z "$(menu_window)" ]; }
wait_for 5 menu_closed || fail "Escape did not close the menu"

sleep 0.5 # past the double-click time
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_for 5 signature_differs "$SIG" "$first" || fail "a left press did not change the quote"
leave_icon

# The host restarts: the icon docks into it again and answers the pointer.
stop_host
restart_host
wait_for 15 icon_docked || fail "the icon did not dock again after $HOST_KIND restarted"
kill -0 "$SENTARI_PID" || fail "sentari ended when $HOST_KIND restarted"
wait_for 5 sh -c 'xwininfo -id "$0" | grep -q IsViewable' "$(icon_window)" || fail "the icon is not shown after the restart"
locate_icon
hover_icon
leave_icon
echo "ok"
