#!/usr/bin/env bash
# Where only a StatusNotifierItem host exists, sentari falls back to Qt's tray icon: the
# tooltip is the current quote and follows it, activation changes the quote, the context
# request opens the menu.
source "$(dirname "$0")/session.sh"

start_x
make_quotes 10
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
"$SENTARI_BIN_DIR/sentari_fakesniwatcher" >"$W/items.txt" 2>"$W/watcher.log" &
PIDS+=($!)
watcher_up() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true; }
wait_for 10 watcher_up || fail "the watcher did not start: $(cat "$W/watcher.log")"

"$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
registered() { [ -s "$W/items.txt" ]; }
wait_for 10 registered || fail "sentari registered no StatusNotifierItem"
item=$(head -1 "$W/items.txt")
service=${item%%/*}
path=/${item#*/}
[ "$path" != "/$item" ] || path=/StatusNotifierItem
[ -z "$(windows_of_type DIALOG)" ] || fail "a waiting message although a StatusNotifierItem host exists"

sni() { dbus-send --session --print-reply --dest="$service" "$path" "$@"; }
tooltip() {
    sni org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip |
        awk '/string/ { n++; if (n == 2) { sub(/^[^"]*"/, ""); sub(/"$/, ""); print } }'
}

first=$(signature_quote "$SIG")
[ "$(tooltip)" = "$first" ] || fail "tooltip '$(tooltip)', current quote '$first'"

# Activation (a click on the host's icon) changes the quote; the tooltip follows.
sni org.kde.StatusNotifierItem.Activate int32:500 int32:700 >/dev/null || fail "Activate failed"
wait_for 5 signature_differs "$SIG" "$first" || fail "Activate did not change the quote"
second=$(signature_quote "$SIG")
follows() { [ "$(tooltip)" = "$second" ]; }
wait_for 5 follows || fail "tooltip '$(tooltip)' after the change, quote '$second'"

# The context request is answered at once and opens the menu.
xdotool mousemove 500 700
timeout 5 dbus-send --session --print-reply --reply-timeout=3000 --dest="$service" "$path" \
    org.kde.StatusNotifierItem.ContextMenu int32:500 int32:700 >/dev/null || fail "ContextMenu was not answered"
wait_for 5 menu_open || fail "no menu on the context request"
xdotool key Escape
wait_for 5 menu_closed || fail "Escape did not close the menu"
echo "ok"
