#!/usr/bin/env bash
# One end-to-end case of sentarisaver: a private Xvfb, a temporary config folder with a
# real settings file and quote file, the real program, xdotool for input.
set -uo pipefail
case_name=$1
saver=$2
host_window=${3:-}
other_client=${4:-}
text_ref=${5:-}

source "$(dirname "${BASH_SOURCE[0]}")/session.sh"

# In the open unlock panel: a wrong password keeps the saver, "123" ends it. The wrong one
# empties the box; otherwise the right one would follow "99" and fail.
unlock_with_123() {
    xdotool type --delay 30 99
    xdotool key Return
    sleep 0.3
    kill -0 "$saver_pid" 2>/dev/null || fail "a wrong password unlocked"
    xdotool type --delay 30 123
    xdotool key Return
    wait_exit "$saver_pid" 2
    local rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc after the right password"
    saver_pid=
}

case $case_name in
draws_and_ends_on_key)
    # No password codes to "abc": a damaged one does not lock, and the saver says so.
    write_ini scrTransition=5 scrTiming=0 Password=abc
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
    grep -q 'stored password is damaged' "$work/saver.log" || fail "nothing said about the damaged password"
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
    # What unlocks was decided when the lock began: the key removed, then the whole settings
    # file moved away, an empty password still opens nothing, and "123" still does.
    write_ini scrTransition=5 scrTiming=0
    xdotool key Return
    sleep 0.3
    kill -0 "$saver_pid" 2>/dev/null || fail "unlocked by an empty password once the key was gone"
    mv "$ini" "$ini.away"
    xdotool key Return
    sleep 0.3
    kill -0 "$saver_pid" 2>/dev/null || fail "unlocked by an empty password once the file was gone"
    unlock_with_123
    ;;
no_data_file)
    { echo '[General]'; echo "QuoteFile=$work/missing.txt"; } >"$ini"
    start_saver /s
    # Found only once the full-screen saver is gone: its window goes before the message.
    box=$(find_box) || fail "no message, or the saver window stays"
    press_return "$box"
    wait_exit "$saver_pid" 5
    rc=$?
    [[ $rc == 0 ]] || fail "exit code $rc"
    saver_pid=
    ;;
one_instance)
    write_ini scrTransition=5
    # No saver over open options...
    start_saver /c
    dialog=$(find_window "Sentarisaver options") || fail "no options dialog"
    "$saver" /s >"$work/second.log" 2>&1 &
    second=$!
    wait_exit "$second" 3
    rc=$?
    [[ $rc == 0 ]] || fail "a saver started while the options were open ($rc)"
    press_return "$dialog"
    wait_exit "$saver_pid" 5 || fail "the options did not close"
    # ...nor a second saver, nor options over a saver.
    start_saver /s
    sleep 1
    "$saver" /S >"$work/second.log" 2>&1 &
    second=$!
    wait_exit "$second" 3
    rc=$?
    [[ $rc == 0 ]] || fail "second saver did not end at once ($rc)"
    "$saver" /c >"$work/options.log" 2>&1 &
    second=$!
    wait_exit "$second" 3 || fail "the options opened over a running saver"
    grep -q "already running" "$work/options.log" || fail "the options did not say why they did not open"
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
    box=$(find_box) || fail "no message"
    kill -0 "$saver_pid" 2>/dev/null || fail "ended without waiting for OK"
    press_return "$box"
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
    press_return "$dialog"
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
    # Two monitors side by side, of different sizes: quotes on each, laid out for its width,
    # and the background wherever no monitor shows.
    command -v xrandr >/dev/null || { echo "SKIP: xrandr missing (x11-xserver-utils)"; exit 77; }
    xrandr --setmonitor A 1920/508x1080/286+0+0 screen >/dev/null || fail "no first monitor"
    xrandr --setmonitor B 800/211x600/158+1920+0 none >/dev/null || fail "no second monitor"
    write_ini scrTransition=5 scrBackgroundColor=255
    start_saver /s
    heads_show_quotes 1920x1080+0+0 800x600+1920+0
    [[ $(pixel 2300 900) == FF0000 ]] || fail "below the second monitor not red: $(pixel 2300 900)"
    xdotool key x
    wait_exit "$saver_pid" 1 || fail "did not end on a key"
    saver_pid=
    ;;
xinerama_heads)
    # A server that knows its two heads only through Xinerama (RandR sees one monitor): both
    # covered, quotes on each, and the unlock panel on the first.
    command -v Xephyr >/dev/null || { echo "SKIP: Xephyr missing (xserver-xephyr)"; exit 77; }
    start_nested_xinerama 800x600 640x480 || fail "Xephyr did not start"
    [[ $(xrandr --listmonitors | head -1) == "Monitors: 1" ]] || fail "RandR sees more than one monitor"
    write_ini scrTransition=5 scrBackgroundColor=255 Password=tuv
    start_saver /s
    heads_show_quotes 800x600+0+0 640x480+800+0
    [[ $(pixel 1200 550) == FF0000 ]] || fail "below the second head not red: $(pixel 1200 550)"
    # The panel, centred on the first head a third of the way down; the second head clears.
    xdotool mousemove_relative 30 30
    sleep 1
    import -window root "$work/shot.png" || fail "no screenshot"
    panel=$(not_red 400x40+200+180)
    awk -v l="$panel" 'BEGIN { exit !(l > 0.05) }' || fail "no unlock panel on the first head ($panel)"
    [[ $(not_red 640x480+800+0) == 0 ]] || fail "the second head kept its quote under the panel"
    unlock_with_123
    ;;
lock)
    # With a password set only the right password ends the saver, whatever other clients do.
    [[ -n $other_client ]] || { echo "SKIP: no X client helper (libxcb1-dev)"; exit 77; }
    # "123" is stored coded as "tuv"; a hand-edited timing means no pause between quotes,
    # so the store is asked again soon after the quote file goes.
    write_ini scrTransition=5 scrTiming=9 Password=tuv
    pixel() { convert "$work/shot.png" -crop "1x1+$1+$2" -format '%[hex:p{0,0}]' info:; }
    bright() { convert "$work/shot.png" -crop "$1" -colorspace Gray -threshold 50% -format '%[fx:mean]' info:; }
    notice_strip=1920x120+0+890 # the notice sits low on the screen, the quotes high

    # Another client holds the keyboard and pointer as the saver starts: the saver says so
    # and waits.
    "$other_client" hold >"$work/hold.txt" 2>&1 &
    hold_pid=$!
    other_pids+=("$hold_pid")
    [[ $(first_line "$work/hold.txt") == grabbed ]] || fail "the other client could not grab keyboard and pointer"
    start_saver /s
    sleep 1.5
    import -window root "$work/shot.png" || fail "no screenshot"
    lit=$(bright "$notice_strip")
    awk -v l="$lit" 'BEGIN { exit !(l > 0.002) }' || fail "no notice that another program holds the keyboard (lit $lit)"
    kill "$hold_pid"; wait "$hold_pid" 2>/dev/null
    sleep 0.5
    for device in keyboard pointer; do
        "$other_client" probe $device >/dev/null 2>&1
        [[ $? == 3 ]] || fail "the saver did not take the $device once it was free"
    done
    import -window root "$work/shot.png" || fail "no screenshot"
    lit=$(bright "$notice_strip")
    awk -v l="$lit" 'BEGIN { exit !(l < 0.0005) }' || fail "the notice stays although the saver holds the keyboard (lit $lit)"

    # The quote file goes: the last quote stays, and so does the lock.
    rm "$work/quotes.txt"
    sleep 4
    kill -0 "$saver_pid" 2>/dev/null || fail "the saver ended when the quote file went"
    saver_window=$(xdotool search --onlyvisible --name '^Sentarisaver$')
    [[ $(wc -l <<<"$saver_window") == 1 ]] || fail "a message or another window came up: $saver_window"
    xdotool getwindowgeometry "$saver_window" | grep -q 'Geometry: 1920x1080' || fail "the saver window is gone"
    import -window root "$work/shot.png" || fail "no screenshot"
    lit=$(bright 1920x200+0+0)
    awk -v l="$lit" 'BEGIN { exit !(l > 0.0005) }' || fail "the last quote is not shown (lit $lit)"

    # A notification of another client maps over the saver: the saver goes back on top.
    "$other_client" overlay 1500 600 300 200 >"$work/overlay.txt" 2>&1 &
    other_pids+=($!)
    overlay=$(first_line "$work/overlay.txt") || fail "no overlay window"
    sleep 0.5
    xwininfo -id "$overlay" | grep -q IsViewable || fail "the overlay is not mapped"
    import -window root "$work/shot.png" || fail "no screenshot"
    [[ $(pixel 1650 700) == 000000 ]] || fail "the overlay covers the saver: $(pixel 1650 700)"

    # The unlock panel; another client moves the focus away, the saver takes it back.
    xdotool mousemove_relative 40 40
    sleep 0.5
    xdotool windowfocus "$overlay" 2>/dev/null
    sleep 0.5
    [[ $(xdotool getwindowfocus) == "$saver_window" ]] || fail "the focus stayed with the other client"
    unlock_with_123
    ;;
xscreensaver)
    # The daemon runs the hack as its settings program writes it: the description's command
    # with the arguments of the options chosen there; quotes appear in the window it hands over.
    command -v xscreensaver >/dev/null || { echo "SKIP: xscreensaver missing"; exit 77; }
    xml=$(dirname "${BASH_SOURCE[0]}")/../../../data/sentarisaver.xml
    xmllint --noout "$xml" || fail "xscreensaver's description of the saver is not well-formed"
    option() { xmllint --xpath "string(//$1)" "$xml"; }
    hack="sentarisaver $(option command/@arg) $(option 'option[@id="effect-5"]/@arg-set') $(option 'option[@id="wait-0"]/@arg-set')"
    [[ $hack == 'sentarisaver --root --effect 5 --wait 0' ]] || fail "the description makes '$hack'"
    write_ini scrTransition=8 scrTiming=2
    mkdir -p "$work/bin" && ln -s "$saver" "$work/bin/sentarisaver"
    printf '%s\n' 'mode: one' 'selected: 0' 'lock: False' 'splash: False' 'fade: False' \
        'unfade: False' "programs: \"Sentari\" $hack \\n\\" '' >"$work/.xscreensaver"
    # xscreensaver launches no hack as root: it runs as nobody then.
    as_user=()
    if [[ $(id -u) == 0 ]]; then
        chown -R 65534:65534 "$work"
        as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    fi
    "${as_user[@]}" env HOME="$work" PATH="$work/bin:$PATH" xscreensaver -no-splash -verbose \
        >"$work/xscreensaver.log" 2>&1 &
    other_pids+=($!)
    ask() { "${as_user[@]}" env HOME="$work" xscreensaver-command "$@" >/dev/null 2>&1; }
    for _ in $(seq 50); do ask -time && break; sleep 0.1; done
    ask -activate || fail "xscreensaver did not take -activate: $(tail -5 "$work/xscreensaver.log")"
    for _ in $(seq 50); do pgrep -fx "sentarisaver $(option command/@arg) .*" >/dev/null && break; sleep 0.1; done
    args=$(pgrep -fa "^sentarisaver " | cut -d' ' -f2-)
    [[ $args == "$hack" ]] || fail "xscreensaver ran '$args': $(tail -5 "$work/xscreensaver.log")"
    sleep 2.5
    lit=$(lit_fraction) || fail "no screenshot"
    awk -v l="$lit" 'BEGIN { exit !(l > 0.0002) }' || fail "no quote under xscreensaver (lit $lit)"
    ! grep "sentarisaver:" "$work/xscreensaver.log" || fail "the hack complained"
    ask -deactivate
    for _ in $(seq 50); do pgrep -f "^sentarisaver " >/dev/null || break; sleep 0.1; done
    ! pgrep -f "^sentarisaver " >/dev/null || fail "the hack stayed after xscreensaver stopped it"
    ask -exit
    ;;
script_hebrew | script_arabic | script_tab)
    # A quote of each kind, brought in by "Appear" in white on black and read off the screen
    # once its first line stands (at y 30, one cell high): the quote, and what to check.
    #   right_end: the first letter in memory (the only tall one) stands at the right end,
    #              as in Qt's own rendering of the line
    #   joined:    Qt's rendering of the word, with a ligature: as wide, broken only where
    #              a letter does not join the next, the same pixels
    #   same_as:   exactly the picture of this other quote
    declare -A quotes=(
        [script_hebrew]='לכו נא'
        [script_arabic]='سلام'
        [script_tab]=$'aaaa\tbbbb\tcccc\tdddd\teeee\tffff\tgggg'
    )
    declare -A checks=([script_hebrew]=right_end [script_arabic]=joined [script_tab]=same_as)
    declare -A others=([script_tab]='aaaa bbbb cccc dddd eeee ffff gggg')
    font="DejaVu Sans"
    [[ -n $(fc-list "$font") ]] || { echo "SKIP: $font missing (fonts-dejavu-core)"; exit 77; }
    quote=${quotes[$case_name]}
    band=1920x34+0+30
    show_quote() { # quote, screenshot
        printf '%s\r\n' "$1" >"$work/quotes.txt"
        write_ini scrTransition=5 scrTiming=0 scrForegroundColor=16777215 scrBackgroundColor=0 "scrFont=$font"
        start_saver /s
        sleep 1.5
        import -window root "$2" 2>/dev/null || fail "no screenshot"
        xdotool key x
        wait_exit "$saver_pid" 2 || fail "did not end on a key"
        saver_pid=
    }
    # The bounding box (W H X Y) of the ink within an area of a picture.
    ink() { convert "$1" -crop "$2" +repage -colorspace Gray -threshold 25% -format '%@' info: | tr 'x+' '  '; }
    # The middle of the topmost ink of an area, as a fraction of the ink's width from its left.
    top_at() {
        local w h x y tw th tx ty
        read -r w h x y <<<"$(ink "$1" "$2")"
        read -r tw th tx ty <<<"$(convert "$1" -crop "$2" +repage -crop "${w}x2+$x+$y" +repage \
            -colorspace Gray -threshold 25% -format '%@' info: | tr 'x+' '  ')"
        awk -v w="$w" -v tw="$tw" -v tx="$tx" 'BEGIN { printf "%.2f", (tx + tw / 2) / w }'
    }
    # Columns without ink within an area.
    empty_columns() {
        local cw=${2%%x*}
        convert "$1" -crop "$2" +repage -colorspace Gray -threshold 25% -scale "${cw}x1!" -threshold 0 \
            -negate -format '%[fx:round(mean*w)]' info:
    }
    show_quote "$quote" "$work/saver.png"
    read -r w h x y <<<"$(ink "$work/saver.png" "$band")"
    ((w > 0 && h > 0)) || fail "nothing on the first line"
    case ${checks[$case_name]} in
    right_end)
        "$text_ref" "$font" "$quote" "$work/ref.png" || fail "no reference rendering"
        ref=$(top_at "$work/ref.png" 100%x100%+0+0)
        awk -v r="$ref" 'BEGIN { exit !(r > 0.7) }' || fail "in Qt's rendering the tall letter is not at the right end ($ref)"
        got=$(top_at "$work/saver.png" "$band")
        awk -v g="$got" 'BEGIN { exit !(g > 0.7) }' || fail "the first letter is not at the right end ($got of the line)"
        ;;
    joined)
        "$text_ref" "$font" "$quote" "$work/ref.png" || fail "no reference rendering"
        read -r rw rh rx ry <<<"$(ink "$work/ref.png" 100%x100%+0+0)"
        ((w >= rw - 3 && w <= rw + 3)) || fail "the word is ${w} pixels wide, joined it is ${rw}"
        # The letters touch where they join, and only there: the word has the empty columns
        # of Qt's rendering, where a letter does not join the next.
        gaps=$(empty_columns "$work/saver.png" "${w}x${h}+$x+$((y + 30))")
        ref_gaps=$(empty_columns "$work/ref.png" "${rw}x${rh}+$rx+$ry")
        [[ $gaps == "$ref_gaps" ]] || fail "the word has $gaps empty columns inside, joined it has $ref_gaps"
        # Its pixels are those of Qt's rendering.
        convert "$work/saver.png" -crop "${w}x${h}+$x+$((y + 30))" +repage -background black \
            -extent "${rw}x${rh}" "$work/word.png"
        convert "$work/ref.png" -crop "${rw}x${rh}+$rx+$ry" +repage "$work/refword.png"
        differ=$(compare -metric AE -fuzz 40% "$work/word.png" "$work/refword.png" null: 2>&1)
        awk -v d="$differ" -v n="$((rw * rh))" 'BEGIN { exit !(d < 0.1 * n) }' || fail "the word differs from Qt's rendering in $differ of $((rw * rh)) pixels"
        ;;
    same_as)
        show_quote "${others[$case_name]}" "$work/other.png"
        differ=$(compare -metric AE "$work/saver.png" "$work/other.png" null: 2>&1)
        [[ $differ == 0 ]] || fail "differs from the quote with spaces in $differ pixels"
        read -r w2 h2 x2 y2 <<<"$(ink "$work/saver.png" 1920x34+0+65)"
        ((w2 > 0)) || fail "no second line"
        ;;
    esac
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS ($case_name)"
