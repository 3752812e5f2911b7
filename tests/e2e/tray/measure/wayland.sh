#!/usr/bin/env bash
# Sentari on Wayland alone (no X server): a headless weston, a private session bus,
# status-notifier-watcher and gtk-sni-tray-standalone as the notifier-item host. Plays the
# host's calls over D-Bus (no input devices there) and reports what works: the item, its
# tooltip, the exported menu and its items, Activate, idle CPU. Hover cannot work there.
# Reports; never fails on a figure. Run: SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share
#   tests/e2e/tray/measure/wayland.sh
source "$(dirname "$0")/../session.sh"
source "$(dirname "$0")/../wayland_session.sh"
trap - ERR
set +e

make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
report() { printf '| %s | %s |\n' "$1" "$2"; }
echo '| check | result |'
echo '|---|---|'

start_weston
report compositor "weston $(weston --version | awk '{ print $2 }'), headless, no input devices"
start_host
wait_for 10 host_up && report host "gtk-sni-tray-standalone registered as host" \
    || report host "not registered: $(tail -2 "$W/host.log")"

if ! start_wayland_sentari; then
    report item "not registered; sentari's windows: $(windows)"
    cat "$W/sentari.log" >&2
    exit 0
fi
report item "registered: $SERVICE"
kill -0 "$HOST_PID" 2>/dev/null && report "host with the item" "still runs" || report "host with the item" "died: $(tail -2 "$W/host.log")"
wait_for 5 test -s "$SIG"
quote=$(signature_quote "$SIG")
[ "$(tooltip)" = "$quote" ] && report tooltip "the quote ($quote)" || report tooltip "'$(tooltip)', quote '$quote'"
pixmaps=$(property IconPixmap | grep -c 'int32')
report icon "IconPixmap: $((pixmaps / 2)) sizes"

labels=$(menu_labels)
report "exported menu ($MENU_PATH)" "$(($(tr -cd '|' <<<"$labels" | wc -c) + 1)) items: $labels"
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
