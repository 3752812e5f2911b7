#!/usr/bin/env bash
# CPU of a screen saver plus the X server over 20 s at 1920 x 1080 under Xvfb:
# sentarisaver /s against xscreensaver's fontglide -root, each on a fresh server.
# Usage: cpu_compare.sh path/to/sentarisaver [seconds] [transition]
# QUOTES=file shows the quotes of that file instead of three English ones (fontglide shows
# its own text either way).
set -euo pipefail
saver=$1
seconds=${2:-20}
transition=${3:-0}
fontglide=${FONTGLIDE:-/usr/libexec/xscreensaver/fontglide}
tick=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

measure() { # label, command...
    local label=$1; shift
    local work; work=$(mktemp -d)
    local display xpid
    for display in $(shuf -i 100-899 -n 40); do
        [[ -e /tmp/.X$display-lock ]] && continue
        Xvfb :$display -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xpid=$!
        for _ in $(seq 50); do xdpyinfo -display :$display >/dev/null 2>&1 && break 2; sleep 0.1; done
        kill "$xpid" 2>/dev/null
    done
    export DISPLAY=:$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
    mkdir -p "$XDG_CONFIG_HOME/Sentari" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
    if [[ -n ${QUOTES:-} ]]; then
        cp "$QUOTES" "$work/quotes.txt"
    else
        printf 'The only way to do great work is to love what you do.\nSimplicity is the ultimate sophistication.\nStay hungry, stay foolish.\n' >"$work/quotes.txt"
    fi
    printf '[General]\nQuoteFile=%s\nscrTransition=%s\nscrTiming=0\n' "$work/quotes.txt" "$transition" \
        >"$XDG_CONFIG_HOME/Sentari/Sentari.ini"
    sleep 0.5
    local x0; x0=$(cpu_ticks "$xpid")
    SENTARISAVER_STATS=1 "$@" 2>"$work/err" &
    local pid=$!
    sleep "$seconds"
    local p1 x1; p1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xpid")
    # A key ends the saver normally, so it reports its frame figures; fontglide gets a signal.
    xdotool key x 2>/dev/null || true
    sleep 0.5
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    grep -h '^sentarisaver:' "$work/err" || true
    kill "$xpid"; wait "$xpid" 2>/dev/null || true
    awk -v l="$label" -v p="$p1" -v x="$((x1 - x0))" -v t="$tick" -v s="$seconds" 'BEGIN {
        printf "%-14s program %6.2f s  X server %6.2f s  together %6.2f s CPU in %d s (%.1f%% of one core)\n",
               l, p / t, x / t, (p + x) / t, s, 100 * (p + x) / t / s }'
    rm -rf "$work"
}

measure sentarisaver "$saver" /s
# Without xscreensaver's hacks installed there is nothing to compare with.
if [[ -x $fontglide ]]; then
    measure fontglide "$fontglide" -root
else
    echo "fontglide not found at $fontglide: comparison skipped"
fi
