#!/usr/bin/env bash
# One end-to-end case of sentarisaver: a private Xvfb, a temporary config folder with a
# real settings file and quote file, the real program, xdotool for input.
set -uo pipefail
case_name=$1
saver=$2
host_window=${3:-}

work=$(mktemp -d)
xvfb_pid=
saver_pid=
host_pid=
cleanup() {
    [[ -n $saver_pid ]] && kill "$saver_pid" 2>/dev/null
    [[ -n $host_pid ]] && kill "$host_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL ($case_name): $*" >&2
    [[ -s $work/saver.log ]] && sed 's/^/saver: /' "$work/saver.log" >&2
    xdotool search --name . getwindowname %@ 2>/dev/null | sort | uniq -c | sed 's/^/window: /' >&2
    exit 1
}

# A free display: try numbers until a server starts there and answers.
start_xvfb() {
    local n
    for n in $(shuf -i 100-899 -n 40); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb :$n -screen 0 "${screen_size:-1920x1080}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            if xdpyinfo -display :$n >/dev/null 2>&1; then display=$n; return 0; fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=
    done
    return 1
}
[[ $case_name == two_screens ]] && screen_size=2720x1080
start_xvfb || fail "Xvfb did not start"
export DISPLAY=:$display
export XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_CONFIG_HOME/Sentari" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset XSCREENSAVER_WINDOW QT_QPA_PLATFORM
ini=$XDG_CONFIG_HOME/Sentari/Sentari.ini

printf 'Quiet minds rest in a storm of thoughts\r\nAnother quote that is rather long and breaks into lines\r\n' >"$work/quotes.txt"
write_ini() { # extra key=value lines
    { echo '[General]'; echo "QuoteFile=$work/quotes.txt"; for kv in "$@"; do echo "$kv"; done; } >"$ini"
}

# Waits until the process ends; gives its exit code, or 124 after $2 seconds.
wait_exit() {
    local pid=$1 limit=$2 waited=0
    while kill -0 "$pid" 2>/dev/null; do
        sleep 0.1
        waited=$((waited + 1))
        ((waited >= limit * 10)) && return 124
    done
    wait "$pid"
}
# Waits for a window with that exact title; prints its id.
find_window() {
    local title=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -1)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
# The message box: a window with that title narrower than the screen. The saver's own
# full-screen window has the same title and may still be shown for a moment.
find_box() {
    local title=$1 id screen=${screen_size:-1920x1080}
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
            ((WIDTH < ${screen%x*})) && { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}
# Fraction of the screen that is not background black.
lit_fraction() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -colorspace Gray -threshold 30% -format '%[fx:mean]' info:
}
start_saver() {
    "$saver" "$@" >"$work/saver.log" 2>&1 &
    saver_pid=$!
}

case $case_name in
draws_and_ends_on_key)
    write_ini scrTransition=5 scrTiming=0
    start_saver /s
    sleep 2
    kill -0 "$saver_pid" 2>/dev/null || fail "saver ended by itself"
    lit=$(lit_fraction) || fail "no screenshot"
    awk -v l="$lit" 'BEGIN { exit !(l > 0.0005) }' || fail "no quote text on screen (lit $lit)"
    # One pixel of jitter is not movement.
    xdotool mousemove_relative 1 0
    sleep 0.5
    kill -0 "$saver_pid" 2>/dev/null || fail "ended on a one-pixel move"
    xdotool key x
    wait_exit "$saver_pid" 1
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc after a key"
    saver_pid=
    # Grabs released: another client can grab the keyboard again.
    xdotool key --clearmodifiers y || fail "keyboard still held"
    ;;
password_unlock)
    # "123" is stored coded as "tuv".
    write_ini scrTransition=5 scrTiming=0 Password=tuv
    start_saver /s
    sleep 1.5
    xdotool mousemove_relative 40 40
    sleep 1
    kill -0 "$saver_pid" 2>/dev/null || fail "ended although a password is set"
    # The panel sits a third down the screen, centred: its frame and caption show there.
    import -window root "$work/panel.png"
    lit=$(convert "$work/panel.png" -crop 440x70+740+325 -colorspace Gray -threshold 50% -format '%[fx:mean]' info:)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.01) }' || fail "no unlock panel (lit $lit)"
    xdotool mousemove_relative 200 200
    sleep 0.3
    kill -0 "$saver_pid" 2>/dev/null || fail "mouse movement ended the unlock panel"
    # A wrong password empties the box; otherwise the right one would follow "99" and fail.
    xdotool type --delay 30 99
    xdotool key Return
    sleep 0.3
    kill -0 "$saver_pid" 2>/dev/null || fail "a wrong password unlocked"
    xdotool type --delay 30 123
    xdotool key Return
    wait_exit "$saver_pid" 2
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc after the right password"
    saver_pid=
    ;;
no_data_file)
    { echo '[General]'; echo "QuoteFile=$work/missing.txt"; } >"$ini"
    start_saver /s
    box=$(find_box Sentarisaver) || fail "no message"
    # The saver window is gone and the pointer is back before the message shows.
    [[ -z $(xdotool search --onlyvisible --name '^Sentarisaver$' | grep -v "^$box\$") ]] ||
        fail "saver window still shown"
    xdotool windowfocus --sync "$box" key Return
    wait_exit "$saver_pid" 5
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc"
    saver_pid=
    ;;
one_instance)
    write_ini scrTransition=5
    start_saver /s
    sleep 1
    "$saver" /S >"$work/second.log" 2>&1 &
    second=$!
    wait_exit "$second" 3
    rc=$?
    [[ $rc == 0 ]] || fail "second saver did not end at once ($rc)"
    kill -0 "$saver_pid" 2>/dev/null || fail "first saver ended"
    xdotool key x
    wait_exit "$saver_pid" 2 || fail "first saver did not end on a key"
    saver_pid=
    ;;
preview)
    write_ini
    start_saver "/p 123"
    wait_exit "$saver_pid" 2
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc"
    saver_pid=
    "$saver" /x >/dev/null 2>&1 || fail "an unknown switch did not end quietly"
    ;;
activate)
    write_ini
    start_saver /A
    box=$(find_window Sentarisaver) || fail "no message"
    kill -0 "$saver_pid" 2>/dev/null || fail "ended without waiting for OK"
    xdotool windowfocus --sync "$box" key Return
    wait_exit "$saver_pid" 5
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc"
    saver_pid=
    ;;
configure | bare_start)
    write_ini scrTransition=junk scrTiming=7
    if [[ $case_name == configure ]]; then start_saver /c:1234; else start_saver; fi
    dialog=$(find_window "Sentarisaver options") || fail "no options dialog"
    import -window "$dialog" "$work/options.png" 2>/dev/null
    xdotool windowfocus --sync "$dialog" key Return
    wait_exit "$saver_pid" 5
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc"
    saver_pid=
    # OK wrote every key, the damaged ones back as valid defaults.
    grep -qi '^scrTransition=0$' "$ini" || fail "scrTransition not written: $(cat "$ini")"
    grep -qi '^scrTiming=1$' "$ini" || fail "scrTiming not written"
    grep -qi '^scrInterval=1$' "$ini" || fail "scrInterval not written"
    grep -qi '^scrForeGroundColor=16777215$' "$ini" || fail "foreground not written"
    grep -qi '^scrBackGroundColor=0$' "$ini" || fail "background not written"
    grep -qi '^scrFont=.' "$ini" || fail "font not written"
    ;;
hosted_root)
    # The xscreensaver way: draw into the root window; the host ends us with a signal.
    write_ini scrTransition=6 scrTiming=0
    start_saver -root
    sleep 2.5
    kill -0 "$saver_pid" 2>/dev/null || fail "hosted saver ended by itself: $(cat "$work/saver.log")"
    lit=$(lit_fraction) || fail "no screenshot"
    awk -v l="$lit" 'BEGIN { exit !(l > 0.0002) }' || fail "nothing drawn into the root window (lit $lit)"
    [[ -z $(xdotool search --onlyvisible --name '^Sentarisaver$' 2>/dev/null) ]] || fail "opened a window of its own"
    kill -TERM "$saver_pid"
    wait_exit "$saver_pid" 2
    saver_pid=
    ;;
hosted_window)
    # A host hands over a window of its own (-window-id): quotes appear in it, and when
    # the host resizes it the saver fills the new size.
    [[ -n $host_window ]] || { echo "SKIP: no host window helper (libxcb1-dev)"; exit 77; }
    write_ini scrTransition=5 scrTiming=0
    "$host_window" 640 360 >"$work/host.txt" 2>&1 &
    host_pid=$!
    id=
    for _ in $(seq 50); do id=$(head -1 "$work/host.txt"); [[ -n $id ]] && break; sleep 0.1; done
    [[ $id == 0x* ]] || fail "host window did not start: $(cat "$work/host.txt")"
    start_saver -window-id "$id"
    # The window as the screen shows it (it sits at 0,0): its size, one pixel, and the share
    # of bright pixels in a part (the host's own grey is not bright).
    shot() { import -window root "$work/host.png" 2>/dev/null; }
    size() { xdotool getwindowgeometry "$id" | awk '/Geometry:/ { print $2 }'; }
    pixel() { convert "$work/host.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:; }
    bright() { convert "$work/host.png" -crop "$1" -colorspace Gray -threshold 60% -format '%[fx:mean]' info:; }
    sleep 2
    kill -0 "$saver_pid" 2>/dev/null || fail "hosted saver ended by itself"
    shot || fail "no screenshot of the host window"
    [[ $(size) == 640x360 ]] || fail "host window is $(size)"
    [[ $(pixel 635 355) == 000000 ]] || fail "host window not filled with the background: $(pixel 635 355)"
    lit=$(bright 640x360+0+0)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.002) }' || fail "no quote text in the host window (lit $lit)"
    [[ -z $(xdotool search --onlyvisible --name '^Sentarisaver$' 2>/dev/null) ]] || fail "opened a window of its own"
    # Another window covers a corner for a moment (the quote is pausing meanwhile): the
    # uncovered part shows the saver's picture again, not the host's grey.
    "$host_window" 300 200 >"$work/cover.txt" 2>&1 &
    cover_pid=$!
    sleep 0.5
    shot && [[ $(pixel 5 190) == 808080 ]] || fail "the covering window did not show"
    kill "$cover_pid"; wait "$cover_pid" 2>/dev/null
    sleep 0.5
    shot || fail "no screenshot after uncovering"
    [[ $(pixel 5 190) == 000000 ]] || fail "uncovered part not redrawn: $(pixel 5 190)"
    lit=$(bright 300x200+0+0)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.002) }' || fail "quote text not redrawn in the uncovered part (lit $lit)"
    xdotool windowsize "$id" 1280 720 || fail "could not resize the host window"
    sleep 2
    shot || fail "no screenshot after the resize"
    [[ $(size) == 1280x720 ]] || fail "host window is $(size) after the resize"
    [[ $(pixel 1275 715) == 000000 ]] || fail "the new part is not the saver's: $(pixel 1275 715)"
    # A line laid out for 1280 pixels reaches past the old width's middle and beyond.
    lit=$(bright 580x720+700+0)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.0005) }' || fail "quotes not laid out for the new width (lit $lit)"
    kill -0 "$saver_pid" 2>/dev/null || fail "hosted saver ended on the resize"
    # The host closes its window: the saver ends by itself.
    kill "$host_pid"; wait "$host_pid" 2>/dev/null; host_pid=
    wait_exit "$saver_pid" 3
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc after the host window went"
    saver_pid=
    ;;
two_screens)
    # Two monitors side by side: quotes on the first, the second filled with the background.
    command -v xrandr >/dev/null || { echo "SKIP: xrandr missing (x11-xserver-utils)"; exit 77; }
    xrandr --setmonitor A 1920/508x1080/286+0+0 screen >/dev/null || fail "no first monitor"
    xrandr --setmonitor B 800/211x600/158+1920+0 none >/dev/null || fail "no second monitor"
    write_ini scrTransition=5 scrBackgroundColor=255
    start_saver /s
    sleep 2
    import -window root "$work/shot.png" || fail "no screenshot"
    pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:; }
    [[ $(pixel 100 900) == FF0000 ]] || fail "first monitor not red: $(pixel 100 900)"
    [[ $(pixel 2300 300) == FF0000 ]] || fail "second monitor not red: $(pixel 2300 300)"
    lit=$(convert "$work/shot.png" -crop 1920x120+0+0 -colorspace Gray -threshold 90% -format '%[fx:mean]' info:)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.001) }' || fail "no quote on the first monitor (lit $lit)"
    xdotool key x
    wait_exit "$saver_pid" 1 || fail "did not end on a key"
    saver_pid=
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
