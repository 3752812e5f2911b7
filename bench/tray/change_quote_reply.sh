#!/usr/bin/env bash
# How long `sentari --change-quote` waits for its reply where a person is needed or much is
# to write: a read-only signature file (the warning box opens after the reply), no quote
# file with a D-Bus-started sentari (the question stays open), and 1,000 signature files.
# Medians of RUNS (5) runs under Xvfb with openbox and trayer. Reports; never fails on a
# figure. From the source folder:
#   SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share bench/tray/change_quote_reply.sh [runs]
source "$(dirname "$0")/../../tests/e2e/tray/session.sh"
trap - ERR
RUNS=${1:-5}

start_x
start_tray
make_quotes 200

now_us() { echo "${EPOCHREALTIME/./}"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# timed_call: the milliseconds `sentari --change-quote` took, and its exit status.
timed_call() {
    local t0 status=0
    t0=$(now_us)
    timeout 60 "$SENTARI" --change-quote 2>>"$W/calls.txt" || status=$?
    echo "$((($(now_us) - t0) / 1000)) $status"
}
bus_pid() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID string:org.sentari.SentariExe 2>/dev/null |
        awk '/uint32/ { print $2 }'
}
stop_sentari() {
    local p
    p=$(bus_pid)
    [ -n "$p" ] && kill "$p" && while kill -0 "$p" 2>/dev/null; do sleep 0.01; done
}
report() { # label, then "ms status" lines on stdin
    local lines
    lines=$(cat)
    echo "$1: median $(awk '{ print $1 }' <<<"$lines" | median) ms of $(wc -l <<<"$lines") calls," \
        "exit statuses $(awk '{ print $2 }' <<<"$lines" | sort | uniq -c | awk '{ printf "%s×%s ", $2, $1 }')"
}

# A read-only signature: the call returns its failure; the box the user gets is closed
# between runs so that each run is the same.
write_ini "SignatureFile1=$W/ok.txt" 'Intro1=<Quote will be inserted here>' \
    "SignatureFile2=$W/ro.txt" 'Intro2=<Quote will be inserted here>'
echo "x" >"$W/ro.txt"
chmod a-w "$W/ro.txt"
timed_call >/dev/null # starts sentari
for run in $(seq 1 "$RUNS"); do
    timed_call
    sleep 0.3
    w=$(windows_of_type DIALOG | head -1)
    [ -n "$w" ] && xdotool windowactivate --sync "$w" key Return 2>/dev/null
    sleep 0.2
done | report "read-only signature"
stop_sentari

# No quote file: every call starts sentari anew through the bus.
for run in $(seq 1 "$RUNS"); do
    printf '[General]\nCreateSignature=don'"'"'t ask\n' >"$INI"
    timed_call
    stop_sentari
done | report "no quote file, D-Bus-started"

# 1,000 signatures: the reply comes once every file holds the new quote.
mkdir -p "$W/sigs"
write_ini
awk -v dir="$W/sigs" 'BEGIN { for (i = 1; i <= 1000; i++)
    printf "SignatureFile%d=%s/s%d.txt\nIntro%d=%d <Quote will be inserted here>\n", i, dir, i, i, i }' >>"$INI"
timed_call >/dev/null
for run in $(seq 1 "$RUNS"); do timed_call; done | report "1,000 signatures"
stop_sentari
echo "messages of the failed calls:"
sort "$W/calls.txt" | uniq -c
