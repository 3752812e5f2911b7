#!/usr/bin/env bash
# sentari with many signatures (10,000 unless given) under Xvfb with openbox and trayer:
# start to docked icon and to the first pop-up, how long a SIGTERM, a hover and a D-Bus call
# wait while the signature files are written, and start to the last file written; the same
# without signatures for comparison. Reports; never fails on a figure. From the source folder:
#   SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share \
#       bench/tray/signature_refresh.sh [signatures] [runs]
source "$(dirname "$0")/../../tests/e2e/tray/session.sh"
trap - ERR
COUNT=${1:-10000}
RUNS=${2:-5}

start_x
start_tray
make_quotes 200
write_ini
mkdir -p "$W/sigs"
LAST=$W/sigs/s$COUNT.txt

now_us() { echo "${EPOCHREALTIME/./}"; }
ms_since() { echo "$((($(now_us) - $1) / 1000))"; }
poll() { until "$@" >/dev/null 2>&1; do sleep 0.002; done; }
quote_of() { sed 's/^[0-9]* //' "$1" 2>/dev/null; }
# The last file holds the quote the first one holds: the refresh is done.
refreshed() { [ -s "$LAST" ] && [ "$(quote_of "$LAST")" = "$(quote_of "$W/sigs/s1.txt")" ]; }
icon_viewable() { local i; i=$(icon_window); [ -n "$i" ] && xwininfo -id "$i" | grep -q IsViewable; }

# Starts sentari and says how long until its icon is docked and answers a hover.
start_and_hover() {
    local t0 docked
    rm -f "$W"/sigs/*
    xdotool mousemove 300 300
    t0=$(now_us)
    "$SENTARI" >"$W/sentari.log" 2>&1 &
    SENTARI_PID=$!
    poll icon_viewable
    docked=$(ms_since "$t0")
    eval "$(xdotool getwindowgeometry --shell "$(icon_window)")"
    ICON_X=$((X + WIDTH / 2))
    ICON_Y=$((Y + HEIGHT / 2))
    xdotool mousemove "$ICON_X" "$ICON_Y"
    poll popup_open
    echo "  start: docked icon $docked ms, first pop-up $(ms_since "$t0") ms"
    xdotool mousemove 300 300
    poll popup_closed
}
# sigterm_to_exit LABEL: how long sentari takes from SIGTERM to its end.
sigterm_to_exit() {
    local t0
    t0=$(now_us)
    kill -TERM "$SENTARI_PID"
    # ended: gone, or a zombie waiting for this shell
    until [ "$(awk '{ print $3 }' "/proc/$SENTARI_PID/stat" 2>/dev/null || echo Z)" = Z ]; do
        sleep 0.001
    done
    echo "  $1: SIGTERM to exit $(ms_since "$t0") ms"
    wait "$SENTARI_PID" 2>/dev/null || true
}
# Starts a new quote's refresh with a left click and waits until it has begun.
start_refresh() {
    local before
    before=$(quote_of "$W/sigs/s1.txt")
    xdotool mousemove "$ICON_X" "$ICON_Y" click 1
    until [ "$(quote_of "$W/sigs/s1.txt")" != "$before" ]; do sleep 0.002; done
    xdotool mousemove 300 300
    poll popup_closed
    sleep 0.2
    if refreshed; then echo "  (the refresh ended before the measurement: too few signatures)"; fi
}

echo "without signatures"
for run in $(seq 1 "$RUNS"); do
    start_and_hover
    sigterm_to_exit "idle"
done

echo "with $COUNT signatures"
awk -v n="$COUNT" -v dir="$W/sigs" 'BEGIN { for (i = 1; i <= n; i++)
    printf "SignatureFile%d=%s/s%d.txt\nIntro%d=%d <Quote will be inserted here>\n", i, dir, i, i, i }' >>"$INI"
for run in $(seq 1 "$RUNS"); do
    start_and_hover
    sleep 0.5
    if refreshed; then echo "  (the start-up refresh has ended)"; fi
    sigterm_to_exit "during the start-up refresh"
done

t0=$(now_us)
start_and_hover
poll refreshed
echo "  start to the last signature file written: $(ms_since "$t0") ms"
start_refresh
t0=$(now_us)
xdotool mousemove "$ICON_X" "$ICON_Y"
poll popup_open
echo "  during a refresh: hover to pop-up $(ms_since "$t0") ms"
xdotool mousemove 300 300
poll popup_closed
t0=$(now_us)
"$SENTARI" --change-quote
echo "  during a refresh: sentari --change-quote (D-Bus) answered in $(ms_since "$t0") ms"
start_refresh
sigterm_to_exit "during a refresh"
