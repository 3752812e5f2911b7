# Shared by the tray's end-to-end tests: a private X server with a window manager and a
# real XEmbed tray host, a private session bus, and fresh config, cache and data folders.
# Source it from a test script; it re-runs the script inside dbus-run-session.
set -Eeuo pipefail

: "${SENTARI_BIN_DIR:?SENTARI_BIN_DIR must name the build's bin folder}"
: "${SENTARI_SHARE_DIR:?SENTARI_SHARE_DIR must name the build's share folder}"

# Ends what the test left running: every process whose environment names the test's folder,
# the ones the bus started on its own (xfce4-panel's xfconfd, which goes on writing its
# settings into the folder for a while after the bus has gone) included.
end_leftovers() {
    local p pids=() left
    for p in /proc/[0-9]*; do
        grep -qzxF "SENTARI_E2E_WORK=$SENTARI_E2E_WORK" "$p/environ" 2>/dev/null && pids+=("${p#/proc/}")
    done
    [ ${#pids[@]} -gt 0 ] || return 0
    kill "${pids[@]}" 2>/dev/null || true
    local end=$((SECONDS + 5))
    while left=$(alive "${pids[@]}") && [ -n "$left" ] && [ $SECONDS -lt $end ]; do sleep 0.05; done
    if [ -n "$left" ]; then
        echo "killing what did not end on SIGTERM: $(ps -o comm= -p "$left" | paste -sd ' ')" >&2
        kill -KILL ${left//,/ } 2>/dev/null || true
        sleep 0.2
    fi
}
# alive PID...: those still running, comma-separated (a zombie has ended; only its parent
# can reap it).
alive() {
    local p stat out=()
    for p in "$@"; do
        stat=$(cat "/proc/$p/stat" 2>/dev/null) || continue
        stat=${stat##*) } # the name in parentheses may hold blanks
        [ "${stat%% *}" != Z ] && out+=("$p")
    done
    local IFS=,
    echo "${out[*]}"
}

if [ -z "${SENTARI_E2E_WORK:-}" ]; then
    SENTARI_E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/sentari-e2e.XXXXXX")
    export SENTARI_E2E_WORK
    export XDG_CONFIG_HOME=$SENTARI_E2E_WORK/config
    export XDG_CACHE_HOME=$SENTARI_E2E_WORK/cache
    export XDG_DATA_HOME=$SENTARI_E2E_WORK/data
    export XDG_RUNTIME_DIR=$SENTARI_E2E_WORK/run
    # The bus finds sentari's activation file in the build tree.
    export XDG_DATA_DIRS=$SENTARI_SHARE_DIR:/usr/local/share:/usr/share
    mkdir -p "$XDG_CONFIG_HOME/Sentari" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY
    status=0
    dbus-run-session -- bash ${SENTARI_E2E_TRACE:+-x} "$0" "$@" || status=$?
    end_leftovers
    if [ $status -eq 0 ]; then
        rm -rf "$SENTARI_E2E_WORK"
    else
        # A failure is rare and hard to repeat: its screenshots and logs stay for a look.
        rm -rf "$XDG_RUNTIME_DIR"
        echo "the test's files (screenshots, logs) are kept in $SENTARI_E2E_WORK" >&2
    fi
    exit $status
fi

W=$SENTARI_E2E_WORK
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR
SENTARI=$SENTARI_BIN_DIR/sentari
INI=$XDG_CONFIG_HOME/Sentari/Sentari.ini
PIDS=()

cleanup() {
    local p
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
        p=${PIDS[i]}
        kill "$p" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$W/failure.png" 2>/dev/null && echo "screen at failure: $W/failure.png" >&2
        xwininfo -root -tree 2>/dev/null | grep -E '"Sentari|trayer|panel' >&2 || true
    fi
    local log
    for log in sentari openbox trayer host; do
        [ -s "$W/$log.log" ] && sed "s/^/$log: /" "$W/$log.log" >&2
    done
    exit 1
}

# The window tree; windows that vanish while it is read make xwininfo complain, not fail us.
x_tree() {
    xwininfo -root -tree 2>/dev/null || true
}

# wait_for SECONDS COMMAND...: polls until the command succeeds.
wait_for() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $end ] || return 1
        sleep 0.05
    done
}

start_x() {
    start_x_server
    openbox >"$W/openbox.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 xprop -root _NET_SUPPORTING_WM_CHECK || fail "openbox did not start"
    wait_for 10 sh -c 'xprop -root _NET_WORKAREA | grep -q =' || fail "openbox did not publish a work area"
    # openbox announces itself before it has finished starting; a window mapped in that
    # moment now and then stays unmanaged and unmapped.
    sleep 1
}

# The X server alone, for tests that bring a window manager of their own.
start_x_server() {
    local fd_file=$W/display
    # -noreset: a server that resets when its last client leaves refuses the next one meanwhile
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd_file" >"$W/xvfb.log" 2>&1 &
    PIDS+=($!)
    wait_for 10 test -s "$fd_file" || fail "Xvfb did not start"
    export DISPLAY=:$(head -1 "$fd_file")
    wait_for 10 xdpyinfo || fail "X server $DISPLAY does not answer"
    # As a desktop session does, so that programs the bus starts find the display.
    dbus-update-activation-environment DISPLAY
}

start_tray() {
    launch_trayer
    wait_for 10 strut_applied || fail "openbox did not reserve the panel's strut (work area: $(work_area))"
}

launch_trayer() {
    trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
        --SetPartialStrut true --transparent false --tint 0x808080 >"$W/trayer.log" 2>&1 &
    TRAYER_PID=$!
    PIDS+=($TRAYER_PID)
    wait_for 10 sh -c 'xwininfo -root -tree | grep -q "\"panel\": (\"panel\" \"trayer\")"' \
        || fail "trayer did not start"
}

# The work area as openbox publishes it: x y width height.
work_area() {
    xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | awk '{print $1, $2, $3, $4}'
}
strut_applied() {
    local x y w h
    read -r x y w h < <(work_area) || return 1
    [[ "$y" =~ ^[0-9]+$ && "$h" =~ ^[0-9]+$ ]] || return 1 # not published yet
    [ "$((y + h))" -lt 768 ]
}

# A quote data file of numbered quotes and the settings that point at it.
make_quotes() {
    DATA=$W/quotes.txt
    : >"$DATA"
    for i in $(seq 1 "${1:-20}"); do printf 'Quote number %d: well begun is half done.\r\n' "$i" >>"$DATA"; done
}

# write_ini KEY=VALUE...: the settings file as a person would write it by hand.
write_ini() {
    {
        printf '[General]\n'
        printf 'QuoteFile=%s\n' "$DATA"
        printf 'CreateSignature=don'"'"'t ask\n'
        local kv
        for kv in "$@"; do printf '%s\n' "$kv"; done
    } >"$INI"
}

# The docked icon: a Sentari window nested in the tray (deeper than a window manager frame).
icon_window() {
    x_tree | awk '/"Sentari": \("sentari" "Sentari"\)/ && !found { match($0, /^ */); if (RLENGTH > 9) { print $1; found = 1 } }'
}

start_sentari() {
    "$SENTARI" "$@" >"$W/sentari.log" 2>&1 &
    SENTARI_PID=$!
    PIDS+=($SENTARI_PID)
    find_icon
}
# Waits for the docked icon and notes where it is.
find_icon() {
    wait_for 15 icon_docked || true
    locate_icon
}
# Notes the docked icon's window (ICON), centre (ICON_X, ICON_Y) and size (ICON_W, ICON_H).
locate_icon() {
    ICON=$(icon_window)
    [ -n "$ICON" ] || fail "the icon did not dock"
    # A panel may lay its tray out again just after the icon docked (xfce4-panel moves it
    # from its first place to the panel's end): a pointer sent to the first place misses.
    wait_for 5 icon_settled || fail "the icon is still moving or not shown: $(icon_geometry)"
    eval "$(xdotool getwindowgeometry --shell "$ICON")"
    ICON_X=$((X + WIDTH / 2))
    ICON_Y=$((Y + HEIGHT / 2))
    ICON_W=$WIDTH
    ICON_H=$HEIGHT
}
icon_docked() { [ -n "$(icon_window)" ]; }
icon_geometry() { xwininfo -id "$ICON" 2>/dev/null | awk '/Absolute|Width|Height|Map State/ { printf "%s ", $NF }'; }
# Shown, and in the same place for a fifth of a second.
icon_settled() {
    local before
    before=$(icon_geometry)
    [[ $before == *IsViewable* ]] || return 1
    sleep 0.2
    [ "$(icon_geometry)" = "$before" ]
}

# named_window NAME: sentari's mapped window of that name, empty when none.
named_window() {
    local w
    # xwininfo shows the name with the application's name appended
    for w in $(x_tree | grep -E "^ *0x[0-9a-f]+ \"$1( — Sentari)?\": \(\"sentari\" \"Sentari\"\)" | awk '{ print $1 }'); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable' && { echo "$w"; return 0; }
    done
    return 0
}

# windows_of_type TYPE: sentari's mapped windows of that _NET_WM_WINDOW_TYPE (TOOLTIP, POPUP_MENU).
windows_of_type() {
    local w
    for w in $(x_tree | awk '/\("sentari" "Sentari"\)/ { print $1 }'); do
        xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable' || continue
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q "_NET_WM_WINDOW_TYPE_$1" && echo "$w"
    done
    return 0
}

# For wait_for: one of sentari's dialogs is up; none is; a process has ended.
dialog_open() { [ -n "$(windows_of_type DIALOG)" ]; }
no_dialog() { [ -z "$(windows_of_type DIALOG)" ]; }
ended() { ! kill -0 "$1" 2>/dev/null; }

# The open pop-up's window id, empty when none.
popup_window() {
    local all
    all=$(windows_of_type TOOLTIP)
    echo "${all%%$'\n'*}"
}
popup_open() { [ -n "$(popup_window)" ]; }
popup_closed() { [ -z "$(popup_window)" ]; }

# The pop-up shows the quote as its window title.
popup_text() {
    local w
    w=$(popup_window)
    [ -n "$w" ] || return 0
    local name
    name=$(xdotool getwindowname "$w")
    echo "${name% — Sentari}"
}

# Puts the pointer on the icon and waits for the pop-up.
hover_icon() {
    xdotool mousemove "$ICON_X" "$ICON_Y"
    wait_for 5 popup_open || fail "no pop-up after hovering the icon"
}

# Moves the pointer far from the icon and waits until no pop-up is open.
leave_icon() {
    xdotool mousemove 300 300
    wait_for 5 popup_closed || fail "the pop-up stayed after the pointer left"
}

# The current quote as the first signature file shows it.
signature_quote() {
    tr -d '\r' <"$1" | tail -1
}

# signature_differs FILE TEXT: the file's quote is no longer TEXT.
signature_differs() { [ "$(signature_quote "$1")" != "$2" ]; }

# press_in_dialog KEY: gives sentari's open dialog the focus and presses the key in it.
press_in_dialog() {
    local w
    w=$(windows_of_type DIALOG)
    w=${w%%$'\n'*}
    [ -n "$w" ] || fail "no dialog to press $1 in"
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool key "$1"
}

# A value as the store wrote it (quotes and escapes as QSettings writes them removed).
setting() { awk -F= -v k="$1" 'tolower($1) == tolower(k) { v = substr($0, length($1) + 2) } END { gsub(/^"|"$/, "", v); print v }' "$INI"; }

menu_window() { named_window PopupQuote; }
menu_open() { [ -n "$(menu_window)" ]; }
menu_closed() { [ -z "$(menu_window)" ]; }

# A second right press on the same spot within the double-click interval (Qt's 400 ms
# here) is a right double click, which opens nothing; a menu chosen from by keyboard can
# close well within that time, so wait it out since the last press.
LAST_PRESS=0
open_menu() {
    local since=$(((${EPOCHREALTIME/./} - LAST_PRESS) / 1000))
    [ "$since" -ge 500 ] || sleep "0.$(printf '%03d' $((500 - since)))"
    xdotool mousemove "$ICON_X" "$ICON_Y" click 3
    LAST_PRESS=${EPOCHREALTIME/./}
    wait_for 5 menu_open || fail "no menu after a right press"
    sleep 0.2
}

# choose N: the Nth enabled item of the tray menu, reached from the top with the arrow key.
choose() {
    open_menu
    xdotool key --delay 30 $(printf 'Down %.0s' $(seq 1 "$1")) Return
    wait_for 5 menu_closed || fail "the menu stayed open after choosing item $1"
}
