#!/usr/bin/env bash
# The right-press menu: where it opens, how it closes, and its items in order, each known
# by what it does: copy the quote (text and RTF), add the clipboard, delete, exit.
source "$(dirname "$0")/session.sh"

# A desktop handler for documents that only notes what it was asked to open.
mkdir -p "$W/handler"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s/opened.txt"\n' "$W" >"$W/handler/xdg-open"
chmod +x "$W/handler/xdg-open"
export PATH=$W/handler:$PATH

start_x
start_tray
make_quotes 12
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>' 'AddClipboard=don'"'"'t ask'
start_sentari

# Opens 10 pixels right of the cursor (kept on the screen) and flush with the work area's
# bottom edge.
open_menu
eval "$(xdotool getwindowgeometry --shell "$(menu_window)")"
read -r wa_x wa_y wa_w wa_h < <(work_area)
want_x=$((ICON_X + 10))
[ $((want_x + WIDTH)) -le $((wa_x + wa_w)) ] || want_x=$((wa_x + wa_w - WIDTH))
[ "$X" -eq "$want_x" ] || fail "menu left edge $X, expected $want_x"
[ $((Y + HEIGHT)) -eq $((wa_y + wa_h)) ] || fail "menu bottom $((Y + HEIGHT)), work area bottom $((wa_y + wa_h))"
import -window root "$W/menu.png"
xdotool key Escape
wait_for 3 menu_closed || fail "Escape did not close the menu"
open_menu
xdotool mousemove 200 200 click 1
wait_for 3 menu_closed || fail "a click elsewhere did not close the menu"

quote=$(signature_quote "$SIG")

# 1: "&Help" hands help.htm beside the program to the desktop's handler.
choose 1
help_opened() { grep -q 'help.htm$' "$W/opened.txt"; }
wait_for 5 help_opened || fail "Help did not open help.htm ($(cat "$W/opened.txt" 2>/dev/null))"
grep -qxE "(file://)?$SENTARI_BIN_DIR/help.htm" "$W/opened.txt" || fail "Help opened $(cat "$W/opened.txt")"

# 2: "Sentari screensa&ver" starts the saver beside the program with /s.
if [ -x "$SENTARI_BIN_DIR/sentarisaver" ]; then
    choose 2
    saver_pid() {
        local p
        for p in $(pgrep -x sentarisaver); do
            # ours: on this display (other tests may run savers of their own meanwhile)
            tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" || continue
            tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -q "^$SENTARI_BIN_DIR/sentarisaver /s $" && echo "$p"
        done
        return 0
    }
    saver_running() { [ -n "$(saver_pid)" ]; }
    wait_for 10 saver_running || fail "the screen saver did not start with /s"
    kill "$(saver_pid)" 2>/dev/null || true # it may have ended by itself
    saver_gone() { ! saver_running; }
    wait_for 5 saver_gone || fail "the screen saver did not end"
fi

# 3: "Add quote to &Clipboard" puts the quote as text and as RTF.
choose 3
clip_has_rtf() { xclip -o -selection clipboard -t TARGETS | grep -qx 'text/rtf'; }
wait_for 3 clip_has_rtf || fail "no text/rtf on the clipboard; targets: $(xclip -o -selection clipboard -t TARGETS | tr '\n' ' ')"
[ "$(xclip -o -selection clipboard -t text/plain)" = "$quote" ] || fail "clipboard text is '$(xclip -o -selection clipboard -t text/plain)'"
rtf=$(xclip -o -selection clipboard -t text/rtf)
case "$rtf" in "{\\rtf1"*) ;; *) fail "clipboard RTF is not an RTF document: $rtf" ;; esac
grep -qF "well begun is half done." <<<"$rtf" || fail "clipboard RTF lacks the quote: $rtf"
grep -qiF 'arial' <<<"$rtf" || fail "clipboard RTF does not name Arial: $rtf"

# 4: "Add clipboard to Sentari &Data" appends the clipboard text joined into one line.
lines_before=$(wc -l <"$DATA")
printf 'Patience is\r\nbitter, but\r\nits fruit is sweet.' | xclip -i -selection clipboard
sleep 0.2
choose 4
appended() { [ "$(wc -l <"$DATA")" -eq $((lines_before + 1)) ]; }
wait_for 5 appended || fail "the data file did not grow by one line"
[ "$(tail -1 "$DATA" | tr -d '\r')" = "Patience is bitter, but its fruit is sweet." ] \
    || fail "appended line is '$(tail -1 "$DATA")'"
tail -c 2 "$DATA" | od -An -c | grep -q '\\r  *\\n' || fail "the appended line does not end with CR LF"

# 5: "&Delete quote" asks, then removes the current quote's line.
quote=$(signature_quote "$SIG")
grep -qxF "$quote" <(tr -d '\r' <"$DATA") || fail "current quote '$quote' not in the data file"
lines_before=$(wc -l <"$DATA")
choose 5
wait_for 5 dialog_open || fail "no confirmation before deleting"
press_in_dialog Return
wait_for 5 no_dialog || fail "the delete question did not close on Return"
deleted() { [ "$(wc -l <"$DATA")" -eq $((lines_before - 1)) ]; }
wait_for 5 deleted || fail "the data file did not lose a line"
! grep -qxF "$quote" <(tr -d '\r' <"$DATA") || fail "the deleted quote is still in the data file"
wait_for 3 signature_differs "$SIG" "$quote" || fail "no new quote after the delete"

# 9, the last: "E&xit" removes the icon and ends.
choose 9
wait_for 5 ended $SENTARI_PID || fail "sentari still runs after Exit"
wait "$SENTARI_PID" && status=0 || status=$?
[ "$status" -eq 0 ] || fail "sentari ended with status $status"
[ -z "$(icon_window)" ] || fail "the icon is still in the tray after Exit"
echo "ok"
