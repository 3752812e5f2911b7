#!/usr/bin/env bash
# Hovering the docked icon: the pop-up's corner and tolerance, and every sixth hover.
source "$(dirname "$0")/session.sh"

start_x
start_tray
make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=Regards,\r\n<Quote will be inserted here>'
start_sentari
first=$(signature_quote "$SIG")
grep -qxF "$first" <(tr -d '\r' <"$DATA") || fail "signature 1 does not hold a quote of the file: '$first'"

# Hover 1: the pop-up sits in the corner of the work area next to the tray, above the panel.
hover_icon
[ "$(popup_text)" = "$first" ] || fail "pop-up shows '$(popup_text)', current quote is '$first'"
read -r wa_x wa_y wa_w wa_h < <(work_area)
eval "$(xdotool getwindowgeometry --shell "$(popup_window)")"
[ $((X + WIDTH)) -eq $((wa_x + wa_w)) ] || fail "pop-up right edge $((X + WIDTH)), work area right $((wa_x + wa_w))"
[ $((Y + HEIGHT)) -eq $((wa_y + wa_h)) ] || fail "pop-up bottom $((Y + HEIGHT)), work area bottom $((wa_y + wa_h))"
# 2650 twips wide at 96 dpi (15 twips per pixel)
[ "$WIDTH" -eq 177 ] || fail "pop-up is $WIDTH pixels wide, not 177"
import -window root "$W/popup.png"

# The pointer may wander 15 pixels from where the pop-up opened; at 16 it closes.
xdotool mousemove $((ICON_X - 15)) $((ICON_Y - 15))
sleep 0.3
[ -n "$(popup_window)" ] || fail "the pop-up closed with the pointer 15 pixels away"
xdotool mousemove $((ICON_X - 16)) "$ICON_Y"
wait_for 2 popup_closed || fail "the pop-up stayed with the pointer 16 pixels away"
leave_icon

# Hovers 2 to 5 keep the quote; the sixth still shows it, then the quote changes.
for n in 2 3 4 5; do
    hover_icon
    leave_icon
    [ "$(signature_quote "$SIG")" = "$first" ] || fail "the quote changed at hover $n"
done
hover_icon
[ "$(popup_text)" = "$first" ] || fail "the sixth pop-up does not show the old quote"
wait_for 3 signature_differs "$SIG" "$first" || fail "the sixth hover did not change the quote"
second=$(signature_quote "$SIG")
leave_icon
hover_icon
[ "$(popup_text)" = "$second" ] || fail "the seventh pop-up shows '$(popup_text)', not the new quote '$second'"
leave_icon

# A left press changes the quote.
xdotool mousemove "$ICON_X" "$ICON_Y" click 1
wait_for 3 signature_differs "$SIG" "$second" || fail "a left press did not change the quote"
head -1 "$SIG" | grep -q '^Regards,' || fail "the signature lost its template text"
leave_icon

# 16-pixel steps that stay on the icon, from a fresh start: a step closes the pop-up and is
# no new hover; the step after it opens one. The sixth opening changes the quote.
kill "$SENTARI_PID"
wait "$SENTARI_PID" || true
start_sentari
third=$(signature_quote "$SIG")
for opening in 1 2 3 4 5 6; do
    [ "$(signature_quote "$SIG")" = "$third" ] || fail "the quote changed before opening $opening"
    xdotool mousemove $((ICON_X - 8)) "$ICON_Y"
    wait_for 5 popup_open || fail "step onto the icon: no pop-up at opening $opening"
    xdotool mousemove $((ICON_X + 8)) "$ICON_Y"
    wait_for 2 popup_closed || fail "a 16-pixel step left the pop-up open at opening $opening"
    sleep 0.3
    popup_closed || fail "the step that closed pop-up $opening opened another one"
done
wait_for 3 signature_differs "$SIG" "$third" || fail "six openings did not change the quote"
leave_icon
echo "ok"
