# The notifier-item side of a session, read over D-Bus: status-notifier-watcher, sentari's
# item and the menu it exports. Source after session.sh.

# The tray menu as the item exports it, separators named so.
MENU_LABELS='_Help|Sentari screensa_ver|separator|Add quote to _Clipboard|Add clipboard to Sentari _Data|_Delete quote|separator|Change _Sentari data file|separator|Change _Signature|Add signature to _Clipboard|separator|E_xit'

# watcher PROPERTY: the watcher's property, as dbus-send prints it.
watcher() {
    dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
watcher_up() { watcher IsStatusNotifierHostRegistered; }
host_up() { watcher IsStatusNotifierHostRegistered | grep -q true; }
item_registered() { watcher RegisteredStatusNotifierItems | grep -q 'string ":'; }

start_watcher() {
    status-notifier-watcher >"$W/watcher.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 watcher_up || fail "the watcher did not start: $(tail -3 "$W/watcher.log")"
}

# The watcher and a notifier-item host along the bottom of the screen (HOST_PID); then
# sentari (SENTARI_PID) and the bus name and menu path of its item, or status 1 when it
# registers none.
start_sni_host() {
    start_watcher
    gtk-sni-tray-standalone --bottom --end --size 24 >"$W/host.log" 2>&1 &
    HOST_PID=$!
    PIDS+=($HOST_PID)
    wait_for 10 strut_applied || fail "the notifier-item host did not start: $(tail -3 "$W/host.log")"
}
start_sni_sentari() {
    "$SENTARI" >"$W/sentari.log" 2>&1 &
    SENTARI_PID=$!
    PIDS+=($SENTARI_PID)
    wait_for 10 item_registered || return 1
    find_item
}

# Notes the bus name (SERVICE) and menu path (MENU_PATH) of the registered item.
find_item() {
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
    echo "${labels#submenu|}" # the root item's children-display
}
# item_id LABEL: the menu item's id in the exported layout.
item_id() {
    menu com.canonical.dbusmenu.GetLayout int32:0 int32:-1 array:string:label |
        awk -v want="$1" '/int32/ { id = $2 } index($0, "\"" want "\"") { print id; exit }'
}
click_item() {
    menu com.canonical.dbusmenu.Event "int32:$(item_id "$1")" string:clicked variant:int32:0 uint32:0 >/dev/null
}
