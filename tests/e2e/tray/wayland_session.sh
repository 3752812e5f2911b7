# Sentari on Wayland alone (no X server): a headless weston without input devices, a private
# session bus, status-notifier-watcher and gtk-sni-tray-standalone as the notifier-item host.
# The host's calls are played over D-Bus. Source after session.sh.
source "$(dirname "${BASH_SOURCE[0]}")/notifier_item.sh"
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

start_host() {
    start_watcher
    # Without --monitor the host asks GDK for the primary monitor, which Wayland does not
    # name, and struts are an X11 matter.
    GDK_BACKEND=wayland gtk-sni-tray-standalone --bottom --end --size 24 --monitor 0 --no-strut \
        >"$W/host.log" 2>&1 &
    HOST_PID=$!
    PIDS+=($HOST_PID)
}

# Starts sentari and notes the bus name (SERVICE) and menu path (MENU_PATH) of its item.
start_wayland_sentari() { QT_QPA_PLATFORM=wayland start_sni_sentari; }

# The titles of the windows sentari and the others opened so far, in order.
windows() { grep -o 'set_title(.*)' "$W/protocol.log" | sed 's/set_title(//; s/)$//' | paste -sd ' '; }
