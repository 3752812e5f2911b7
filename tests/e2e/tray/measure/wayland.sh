#!/usr/bin/env bash
# Sentari on Wayland alone (no X server): a headless weston, a private session bus,
# status-notifier-watcher and gtk-sni-tray-standalone as the notifier-item host. Plays the
# host's calls over D-Bus (no input devices there) and reports what works: the item, its
# tooltip, the exported menu and its items, Activate, idle CPU. Hover cannot work there.
# Reports; never fails on a figure. Run: SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share
#   tests/e2e/tray/measure/wayland.sh
source "$(dirname "$0")/../session.sh"
trap - ERR
set +e
unset DISPLAY

make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
report() { printf '| %s | %s |\n' "$1" "$2"; }
echo '| check | result |'
echo '|---|---|'

weston --backend=headless-backend.so --socket=sentari-wayland --width=1024 --height=768 \
    --idle-time=0 --debug >"$W/weston.log" 2>&1 &
PIDS+=($!)
export WAYLAND_DISPLAY=sentari-wayland
wait_for 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start: $(tail -3 "$W/weston.log")"
# weston lists no windows; its protocol dump shows the ones sentari opens (their titles).
weston-debug -o "$W/protocol.log" proto >/dev/null 2>&1 &
PIDS+=($!)
report compositor "weston $(weston --version | awk '{ print $2 }'), headless, no input devices"

watcher() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
status-notifier-watcher >"$W/watcher.log" 2>&1 &
PIDS+=($!)
wait_for 10 watcher IsStatusNotifierHostRegistered || fail "the watcher did not start"
# Without --monitor the host asks GDK for the primary monitor, which Wayland does not name,
# and struts are an X11 matter.
GDK_BACKEND=wayland gtk-sni-tray-standalone --bottom --end --size 24 --monitor 0 --no-strut \
    >"$W/host.log" 2>&1 &
HOST_PID=$!
PIDS+=($HOST_PID)
host_up() { watcher IsStatusNotifierHostRegistered | grep -q true; }
wait_for 10 host_up && report host "gtk-sni-tray-standalone registered as host" \
    || report host "not registered: $(tail -2 "$W/host.log")"

QT_QPA_PLATFORM=wayland "$SENTARI" >"$W/sentari.log" 2>&1 &
SENTARI_PID=$!
PIDS+=($SENTARI_PID)
registered() { watcher RegisteredStatusNotifierItems | grep -q 'string ":'; }
if ! wait_for 10 registered; then
    report item "not registered; sentari's windows: $(grep -o 'set_title(.*)' "$W/protocol.log" | paste -sd ' ')"
    cat "$W/sentari.log" >&2
    exit 0
fi
report item "registered: $(watcher RegisteredStatusNotifierItems | awk -F'"' '/string/ { print $2 }')"
kill -0 "$HOST_PID" 2>/dev/null && report "host with the item" "still runs" || report "host with the item" "died: $(tail -2 "$W/host.log")"
service=$(watcher RegisteredStatusNotifierItems | awk -F'"' '/string/ { print $2; exit }')
service=${service%%/*}
item() { dbus-send --session --print-reply --dest="$service" /StatusNotifierItem "$@"; }
property() { item org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1"; }
tooltip() { property ToolTip | awk '/string/ { n++; if (n == 2) { sub(/^[^"]*"/, ""); sub(/"$/, ""); print } }'; }
wait_for 5 test -s "$SIG"
quote=$(signature_quote "$SIG")
[ "$(tooltip)" = "$quote" ] && report tooltip "the quote ($quote)" || report tooltip "'$(tooltip)', quote '$quote'"
pixmaps=$(property IconPixmap | grep -c 'int32')
report icon "IconPixmap: $((pixmaps / 2)) sizes"

menu_path=$(property Menu | awk -F'"' '/object path/ { print $2 }')
menu() { dbus-send --session --print-reply --dest="$service" "$menu_path" "$@"; }
labels=$(menu com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label,type |
    awk -F'"' '/variant +string/ { print $2 }' | paste -sd '|')
labels=${labels#submenu|}
report "exported menu ($menu_path)" "$(($(tr -cd '|' <<<"$labels" | wc -c) + 1)) items: $labels"
# item_id LABEL: the menu item's id in the exported layout.
item_id() {
    menu com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label |
        awk -v want="$1" '/int32/ { id = $2 } index($0, "\"" want "\"") { print id; exit }'
}
click_item() {
    menu com.canonical.dbusmenu.Event "int32:$(item_id "$1")" string:clicked variant:int32:0 uint32:0 >/dev/null
}
windows() { grep -o 'set_title(.*)' "$W/protocol.log" | sed 's/set_title(//; s/)$//' | paste -sd ' '; }
# The windows opened since BEFORE was noted.
new_windows() {
    local now
    now=$(windows)
    echo "${now#"$before"}"
}

item org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_for 5 signature_differs "$SIG" "$quote" && report "Activate (left click)" "new quote in the signature file" \
    || report "Activate (left click)" "quote unchanged"
quote=$(signature_quote "$SIG")
follows() { [ "$(tooltip)" = "$quote" ]; }
wait_for 5 follows && report "tooltip after Activate" "follows" || report "tooltip after Activate" "'$(tooltip)'"

# ContextMenu is what a host without menu support calls on a right click.
quote=$(signature_quote "$SIG")
before=$(windows)
item org.kde.StatusNotifierItem.ContextMenu int32:900 int32:740 >/dev/null
sleep 1
report "ContextMenu" "windows opened: $(new_windows)"
item org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_for 5 signature_differs "$SIG" "$quote" && report "ContextMenu, then Activate" "new quote" \
    || report "ContextMenu, then Activate" "quote unchanged; sentari: $(tail -2 "$W/sentari.log" | paste -sd ' ')"

sleep 3
t0=$(awk '{ print $14 + $15 }' "/proc/$SENTARI_PID/stat")
w0=$(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$SENTARI_PID/status")
sleep 30
report "idle 30 s" "$(($(awk '{ print $14 + $15 }' "/proc/$SENTARI_PID/stat") - t0)) ticks/$(($(awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$SENTARI_PID/status") - w0)) wake-ups"

# Menu items, each checked by what it leaves behind.
before=$(windows)
click_item "Change _Signature"
opened() { [ "$(windows)" != "$before" ]; }
wait_for 5 opened && report "menu: Change Signature" "window opened: $(new_windows)" \
    || report "menu: Change Signature" "no window"
click_item "Sentari screensa_ver"
# Ours: other sessions on this machine may run a saver too.
saver() {
    local p
    for p in $(pgrep -x sentarisaver); do
        tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "SENTARI_E2E_WORK=$W" && echo "$p"
    done
}
saver_up() { [ -n "$(saver)" ]; }
if wait_for 5 saver_up; then
    SAVER_PID=$(saver)
    sleep 2
    if kill -0 "$SAVER_PID" 2>/dev/null; then
        report "menu: Sentari screensaver" "sentarisaver /s started and still runs after 2 s"
        kill "$SAVER_PID"
    else
        report "menu: Sentari screensaver" "sentarisaver started, ended within 2 s"
    fi
else
    report "menu: Sentari screensaver" "not started"
fi

# It asks first; with no input devices the question stays open.
before=$(windows)
click_item "_Delete quote"
wait_for 5 opened && report "menu: Delete quote" "asks first: window $(new_windows) opened" \
    || report "menu: Delete quote" "no question"

click_item "E_xit"
if wait_for 5 sh -c "! kill -0 $SENTARI_PID"; then
    wait "$SENTARI_PID"
    report "menu: Exit" "sentari ended with status $?"
else
    report "menu: Exit" "sentari still runs"
fi
report "hover pop-up" "none: Wayland tells no client where the pointer is over another's surface"
sed 's/^/sentari: /' "$W/sentari.log" >&2
# MEASURE_LOGS=DIR keeps the logs (the compositor's protocol dump among them).
[ -z "${MEASURE_LOGS:-}" ] || cp "$W"/*.log "$MEASURE_LOGS/"
