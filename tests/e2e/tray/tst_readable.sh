#!/usr/bin/env bash
# Every dialog as a screen reader and a user with another theme meet it: in each of the
# desktop's default look, a 14-point desktop font and a dark palette, the ask-once dialog,
# the signature window, the saver's options and its password dialog are walked through
# AT-SPI (every control named, no two alike) and looked at on screen (no caption cut off,
# the editor's text readable). They are opened and closed from the keyboard alone.
source "$(dirname "$0")/session.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
TREE=$(dirname "$0")/../atspi_tree.py # Debian's python3, which has pyatspi
SAVER=$SENTARI_BIN_DIR/sentarisaver

start_x
start_tray
make_quotes 6

# The desktop's settings, as KDE keeps them and Qt reads them.
kde_look() {
    local font=$1 window=$2 view=$3 text=$4
    cat >"$XDG_CONFIG_HOME/kdeglobals" <<INI
[General]
font=DejaVu Sans,$font,-1,5,50,0,0,0,0,0
[Colors:Window]
BackgroundNormal=$window
ForegroundNormal=$text
[Colors:View]
BackgroundNormal=$view
BackgroundAlternate=$view
ForegroundNormal=$text
[Colors:Button]
BackgroundNormal=$window
ForegroundNormal=$text
ForegroundInactive=128,128,128
[Colors:Selection]
BackgroundNormal=53,132,228
ForegroundNormal=255,255,255
INI
    export XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 KDE_FULL_SESSION=true
}

# The AT-SPI check of a window once two reads of it agree and find controls: a window not yet
# on the bus or still being laid out is waited for, not judged.
settled_check() {
    local out before="" i
    for ((i = 0; i < 30; i++)); do
        # (it fails on a window without controls)
        out=$("$TREE" --check "$1" "$2" 2>&1) && [ "$out" = "$before" ] && { echo "$out"; return 0; }
        before=$out
        sleep 0.1
    done
    echo "$out"
    return 1
}

# walk PROGRAM WINDOW SHOT: the AT-SPI check, then each caption's last pixel column on the screen
# shot must be free of ink, or its text runs past its edge.
walk() {
    local out x y w h role name
    out=$(settled_check "$1" "$2") || fail "$THEME: \"$2\" has unnamed or twin controls: $out"
    CHECKED=$((CHECKED + $(awk '/^controls/ { print $2; exit }' <<<"$out")))
    local shot=$W/$THEME-$3.png
    import -window root "$shot"
    while read -r x y w h role name; do
        [ "$w" -gt 1 ] || continue
        [ "$(convert "$shot" -crop "1x$h+$((x + w - 1))+$y" +repage -format %k info:)" -eq 1 ] ||
            fail "$THEME: the ${role//_/ } \"$name\" of \"$2\" is cut off (see $shot)"
    done < <(awk '!/^controls/' <<<"$out")
}

# The editor's text against its background: the commonest colour is the page, the colour
# that stands out most from it the text; 4.5:1 at least.
editor_contrast() {
    local geometry
    geometry=$("$TREE" --extents sentari text Signature)
    [ -n "$geometry" ] || fail "$THEME: no editor named \"Signature\""
    read -r x y w h <<<"$geometry"
    # inside its frame and scroll bar
    convert "$W/$THEME-signature.png" -crop "$((w - 30))x$((h - 10))+$((x + 5))+$((y + 5))" +repage -format %c histogram:info: | /usr/bin/python3 -c '
import re, sys
counts = [(int(m[0]), tuple(int(v) for v in m[1:4])) for m in re.findall(r"(\d+): \((\d+),(\d+),(\d+)", sys.stdin.read())]
def lum(c):
    l = [(v / 255) / 12.92 if v <= 10 else (((v / 255) + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * l[0] + 0.7152 * l[1] + 0.0722 * l[2]
page = max(counts)[1]
ratio = lambda c: (max(lum(c), lum(page)) + 0.05) / (min(lum(c), lum(page)) + 0.05)
text = max((c for n, c in counts), key=ratio)
print(f"{ratio(text):.2f} page {page} text {text}")
'
}

CHECKED=0
for THEME in default large dark; do
    case $THEME in
    default) rm -f "$XDG_CONFIG_HOME/kdeglobals"; unset XDG_CURRENT_DESKTOP KDE_SESSION_VERSION KDE_FULL_SESSION ;;
    large) kde_look 14 239,240,241 252,252,252 35,38,41 ;;
    dark) kde_look 10 49,54,59 36,36,36 239,240,241 ;;
    esac
    printf '[General]\nQuoteFile=%s\n' "$DATA" >"$INI" # the first start's signature offer

    "$SENTARI" >"$W/sentari-$THEME.log" 2>&1 &
    SENTARI_PID=$!
    PIDS+=($SENTARI_PID)
        wait_for 10 dialog_open || fail "$THEME: no signature offer"
    walk sentari Sentari askonce
    press_in_dialog alt+y
    window_up() { [ -n "$(named_window "Signature control")" ]; }
    wait_for 10 window_up || fail "$THEME: Alt+Y opened no signature window"
    walk sentari "Signature control" signature
    read -r contrast rest < <(editor_contrast)
    echo "$THEME: editor contrast $contrast:1 ($rest)"
    awk -v c="$contrast" 'BEGIN { exit !(c >= 4.5) }' || fail "$THEME: the editor reads at $contrast:1"
    kill "$SENTARI_PID"
    wait "$SENTARI_PID" 2>/dev/null || true

    "$SAVER" /c >"$W/saver-$THEME.log" 2>&1 &
    SAVER_PID=$!
    PIDS+=($SAVER_PID)
    options_up() { xdotool search --name '^Sentarisaver options$' >/dev/null; }
    wait_for 15 options_up || fail "$THEME: no options dialog"
    walk sentarisaver "Sentarisaver options" options
    xdotool windowactivate --sync "$(xdotool search --name '^Sentarisaver options$' | head -1)"
    xdotool key alt+p # the caption's access key ticks the box, which asks for the password
    password_up() { xdotool search --name '^Password protection$' >/dev/null; }
    wait_for 10 password_up || fail "$THEME: Alt+P opened no password dialog"
    walk sentarisaver "Password protection" password
    xdotool key Escape
    password_gone() { ! password_up; }
    wait_for 5 password_gone || fail "$THEME: Escape left the password dialog open"
    xdotool key Escape
    wait_for 5 ended $SAVER_PID || fail "$THEME: Escape left the options open"
done
echo "controls checked: $CHECKED, nameless 0, duplicates 0"
echo "ok"
