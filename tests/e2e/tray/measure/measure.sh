#!/usr/bin/env bash
# Measures sentari against a bare Qt label program, side by side under one Xvfb with openbox
# and trayer: idle wake-ups, resident memory, start to shown, hover to painted pop-up.
# Reports; never fails on a figure. Run: SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share
#   tests/e2e/tray/measure/measure.sh
source "$(dirname "$0")/../session.sh"
trap - ERR
BARE=$SENTARI_BIN_DIR/sentari_barelabel
start_x
start_tray
make_quotes 200
write_ini

now_ms() { date +%s%3N; }
ctx() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
bare_shown() { x_tree | grep -q '"barelabel": ("sentari_barelabel"'; }

# Start to docked icon / start to shown label, five runs each, alternating.
for run in 1 2 3 4 5; do
    t0=$(now_ms)
    "$SENTARI" >"$W/sentari.log" 2>&1 &
    p=$!
    until [ -n "$(icon_window)" ] && xwininfo -id "$(icon_window)" | grep -q IsViewable; do sleep 0.002; done
    t1=$(now_ms)
    echo "start to docked icon: $((t1 - t0)) ms"
    kill "$p"; wait "$p" 2>/dev/null || true
    t0=$(now_ms)
    "$BARE" >/dev/null 2>&1 &
    p=$!
    until bare_shown; do sleep 0.002; done
    t1=$(now_ms)
    echo "bare label start to shown: $((t1 - t0)) ms"
    kill "$p"; wait "$p" 2>/dev/null || true
done

# Side by side: memory and wake-ups over 30 s of idling.
SENTARI_TRACE_HOVER=1 "$SENTARI" >"$W/sentari.log" 2>&1 &
SP=$!
PIDS+=($SP)
"$BARE" >/dev/null 2>&1 &
BP=$!
PIDS+=($BP)
wait_for 10 icon_docked
wait_for 10 bare_shown
locate_icon
for i in 1 2 3 4 5 6 7 8 9 10; do
    hover_icon
    leave_icon
done
grep 'hover to painted' "$W/sentari.log" || echo 'no hover trace'
sleep 3
s0=$(ctx "$SP"); b0=$(ctx "$BP")
sleep 30
s1=$(ctx "$SP"); b1=$(ctx "$BP")
echo "idle 30 s voluntary context switches: sentari $((s1 - s0)), bare label $((b1 - b0))"
echo "RSS: sentari $(rss "$SP") kB, bare label $(rss "$BP") kB"
