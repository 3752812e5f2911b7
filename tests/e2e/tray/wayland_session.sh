# Sentari on Wayland alone (no X server): a headless weston without input devices, a private
# session bus, status-notifier-watcher and gtk-sni-tray-standalone as the notifier-item host.
# The host's calls are played over D-Bus. Source after session.sh.
unset DISPLAY

start_weston() {
    weston --backend=headless-backend.so --socket=sentari-wayland --width=1024 --height=768 \
        --idle-time=0 --debug >"$W/weston.log" 2>&1 &
    PIDS+=($!)
    export WAYLAND_DISPLAY=sentari-wayland
    wait_for 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start: $(tail -3 "$W/weston.log")"
    # weston lists no windows; its protocol dump shows the ones sentari opens and closes.
    weston-debug -o "$W/protocol.log" proto >/dev/null 2>&1 &
    PIDS+=($!)
}

watcher() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
host_up() { watcher IsStatusNotifierHostRegistered | grep -q true; }
item_registered() { watcher RegisteredStatusNotifierItems | grep -q 'string ":'; }

start_host() {
    status-notifier-watcher >"$W/watcher.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 watcher IsStatusNotifierHostRegistered || fail "the watcher did not start"
    # Without --monitor the host asks GDK for the primary monitor, which Wayland does not
    # name, and struts are an X11 matter.
    GDK_BACKEND=wayland gtk-sni-tray-standalone --bottom --end --size 24 --monitor 0 --no-strut \
        >"$W/host.log" 2>&1 &
    HOST_PID=$!
    PIDS+=($HOST_PID)
}

# Starts sentari and notes the bus name (SERVICE) and menu path (MENU_PATH) of its item.
start_wayland_sentari() {
    QT_QPA_PLATFORM=wayland "$SENTARI" >"$W/sentari.log" 2>&1 &
    SENTARI_PID=$!
    PIDS+=($SENTARI_PID)
    wait_for 10 item_registered || return 1
    SERVICE=$(watcher RegisteredStatusNotifierItems | awk -F'"' '/string/ { print $2; exit }')
    SERVICE=${SERVICE%%/*}
    MENU_PATH=$(property Menu | awk -F'"' '/object path/ { print $2 }')
}

item() { dbus-send --session --print-reply --dest="$SERVICE" /StatusNotifierItem "$@"; }
property() { item org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1"; }
tooltip() { property ToolTip | awk '/string/ { n++; if (n == 2) { sub(/^[^"]*"/, ""); sub(/"$/, ""); print } }'; }
menu() { dbus-send --session --print-reply --dest="$SERVICE" "$MENU_PATH" "$@"; }
# The exported menu's labels, separators named so, joined by '|'.
menu_labels() {
    local labels
    labels=$(menu com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label,type |
        awk -F'"' '/variant +string/ { print $2 }' | paste -sd '|')
    echo "${labels#submenu|}"
}
# item_id LABEL: the menu item's id in the exported layout.
item_id() {
    menu com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label |
        awk -v want="$1" '/int32/ { id = $2 } index($0, "\"" want "\"") { print id; exit }'
}
click_item() {
    menu com.canonical.dbusmenu.Event "int32:$(item_id "$1")" string:clicked variant:int32:0 uint32:0 >/dev/null
}
# The titles of the windows sentari and the others opened so far, in order.
windows() { grep -o 'set_title(.*)' "$W/protocol.log" | sed 's/set_title(//; s/)$//' | paste -sd ' '; }
