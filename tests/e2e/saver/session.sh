# Shared by the saver's end-to-end cases: a private Xvfb, a temporary config folder with a
# real settings file and quote file, and small helpers around xdotool and screenshots.
# Sourced by saver_e2e.sh, which sets case_name, saver, host_window and other_client.
work=$(mktemp -d)
xvfb_pid=
saver_pid=
host_pid=
other_pids=()
cleanup() {
    local pids=($saver_pid $host_pid "${other_pids[@]}" $xvfb_pid) pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    # A process still ending may write into the folder while it is removed.
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
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
# Waits for the message box: the one visible "Sentarisaver" window, and not the full-screen
# saver, which has the same title and may still be up when the box is asked for.
find_box() {
    local ids
    for _ in $(seq 100); do
        ids=$(xdotool search --onlyvisible --name '^Sentarisaver$' 2>/dev/null)
        if [[ -n $ids && $(wc -l <<<"$ids") == 1 ]] &&
            xdotool getwindowgeometry "$ids" 2>/dev/null | grep -q 'Geometry: [0-9]\{1,3\}x'; then
            echo "$ids"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
# Presses Return on that window itself. It is given the focus first, so that the toolkit
# routes the key to it. xdotool then presses the real key, and when the window is gone by
# the release it cannot send that there: the key is let go of explicitly.
press_return() {
    local id=$1
    xdotool windowfocus "$id" 2>/dev/null
    for _ in $(seq 40); do
        [[ $(xdotool getwindowfocus 2>/dev/null) == "$id" ]] && break
        sleep 0.05
    done
    xdotool key --window "$id" Return 2>/dev/null
    xdotool keyup Return 2>/dev/null
}
# Waits until the file has a first line; prints it.
first_line() {
    local line
    for _ in $(seq 50); do
        line=$(head -1 "$1" 2>/dev/null)
        [[ -n $line ]] && { echo "$line"; return 0; }
        sleep 0.1
    done
    return 1
}
# Fraction of the screen that is not background black.
lit_fraction() {
    import -window root "$work/shot.png" 2>/dev/null || return 1
    convert "$work/shot.png" -colorspace Gray -threshold 30% -format '%[fx:mean]' info:
}
pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:; }
# The share of the area's pixels (WxH+X+Y) that are not the red background.
not_red() {
    convert "$work/shot.png" -crop "$1" +repage -fill black -opaque '#FF0000' -fill white +opaque black \
        -colorspace Gray -format '%[fx:mean]' info:
}
# After a moment for the first lines: each monitor's area (WxH+X+Y) is covered (its bottom
# right corner shows the red background) and shows a quote.
heads_show_quotes() {
    sleep 2
    import -window root "$work/shot.png" 2>/dev/null || fail "no screenshot"
    local head lit w h x y
    for head; do
        IFS='x+' read -r w h x y <<<"$head"
        [[ $(pixel $((x + w - 2)) $((y + h - 2))) == FF0000 ]] || fail "the monitor at $head is not covered"
        lit=$(not_red "$head")
        awk -v l="$lit" 'BEGIN { exit !(l > 0.001) }' || fail "no quote on the monitor at $head (lit $lit)"
    done
}
# A nested X server with these heads (WxH...) joined by Xinerama only; DISPLAY names it.
start_nested_xinerama() {
    local n size screens=()
    for size; do screens+=(-screen "$size"); done
    for n in $(shuf -i 100-899 -n 40); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xephyr :$n +xinerama "${screens[@]}" -nolisten tcp -noreset >"$work/xephyr.log" 2>&1 &
        other_pids+=($!)
        for _ in $(seq 50); do
            xdpyinfo -display :$n >/dev/null 2>&1 && { export DISPLAY=:$n; return 0; }
            sleep 0.1
        done
    done
    return 1
}
start_saver() {
    "$saver" "$@" >"$work/saver.log" 2>&1 &
    saver_pid=$!
}
