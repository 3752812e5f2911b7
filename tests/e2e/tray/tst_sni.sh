#!/usr/bin/env bash
# Under a StatusNotifierItem host (status-notifier-watcher with gtk-sni-tray-standalone, no
# X11 tray): the host shows sentari's icon with the quote as its tooltip, a click changes the
# quote, and the host shows sentari's own menu, read over D-Bus, whose items do their work.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/notifier_item.sh"

start_x
make_quotes 10
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
start_sni_host
start_sni_sentari || fail "sentari registered no StatusNotifierItem"
[ -z "$(windows_of_type DIALOG)" ] || fail "a waiting message although a notifier-item host runs"

# The menu is exported: the 13 items of the tray menu in order.
[ -n "$MENU_PATH" ] && [ "$MENU_PATH" != /NO_DBUSMENU ] || fail "the item exports no menu ($MENU_PATH)"
[ "$(menu_labels)" = "$MENU_LABELS" ] || fail "exported menu: $(menu_labels)"

first=$(signature_quote "$SIG")
[ "$(tooltip)" = "$first" ] || fail "tooltip '$(tooltip)', current quote '$first'"

# The host's icon: at the right end of its bar.
host_bar() {
    local w
    for w in $(xdotool search --onlyvisible --class gtk-sni-tray-standalone 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        [ "$HEIGHT" -le 40 ] && [ "$WIDTH" -ge 20 ] && { echo "$w"; return 0; }
    done
    return 1
}
wait_for 5 host_bar || fail "no host bar on screen"
eval "$(xdotool getwindowgeometry --shell "$(host_bar)")"
ICON_X=$((X + WIDTH - HEIGHT / 2))
ICON_Y=$((Y + HEIGHT / 2))

# A left click changes the quote; the tooltip follows.
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_for 5 signature_differs "$SIG" "$first" || fail "a click on the host's icon did not change the quote"
second=$(signature_quote "$SIG")
follows() { [ "$(tooltip)" = "$second" ]; }
wait_for 5 follows || fail "tooltip '$(tooltip)' after the change, quote '$second'"

# The host shows the exported menu on a right click; its third item copies the quote.
host_menu() { [ -n "$(xdotool search --onlyvisible --class gtk-sni-tray-standalone 2>/dev/null | while read -r w; do xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q POPUP_MENU && echo "$w"; done)" ]; }
sleep 0.5 # past the double-click time of the host
xdotool click 3
wait_for 5 host_menu || fail "the host showed no menu on a right click"
import -window root "$W/menu.png"
xdotool key --delay 50 Down Down Down Return
copied() { [ "$(xclip -o -selection clipboard -t text/plain 2>/dev/null)" = "$second" ]; }
wait_for 5 copied || fail "the menu's 'Add quote to Clipboard' did not copy the quote"

# Its last item ends sentari.
xdotool click 3
wait_for 5 host_menu || fail "the host showed no menu on the second right click"
xdotool key --delay 50 Up Return
wait_for 5 ended $SENTARI_PID || fail "sentari still runs after the menu's Exit"
wait "$SENTARI_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "sentari ended with status $status"
echo "ok"
