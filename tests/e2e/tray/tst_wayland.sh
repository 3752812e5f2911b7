#!/usr/bin/env bash
# Wayland alone, under a notifier-item host: the item shows the quote as its tooltip and
# exports the whole menu; Activate changes the quote; the menu a host without menu support
# asks for (ContextMenu) opens as a window there and leaves the icon answering; Exit ends.
source "$(dirname "$0")/session.sh"
source "$(dirname "$0")/wayland_session.sh"

make_quotes 20
SIG=$W/signature1.txt
write_ini "SignatureFile1=$SIG" 'Intro1=<Quote will be inserted here>'
start_weston
start_host
wait_for 10 host_up || fail "gtk-sni-tray-standalone did not register as host: $(tail -2 "$W/host.log")"
start_wayland_sentari || fail "sentari's item did not register"
wait_for 5 test -s "$SIG" || fail "no quote in the signature file"
quote=$(signature_quote "$SIG")
follows() { [ "$(tooltip)" = "$quote" ]; }
wait_for 5 follows || fail "the tooltip is '$(tooltip)', the quote '$quote'"

[ "$(menu_labels)" = "$MENU_LABELS" ] || fail "the exported menu is $(menu_labels)"

item org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_for 5 signature_differs "$SIG" "$quote" || fail "Activate did not change the quote"
quote=$(signature_quote "$SIG")
wait_for 5 follows || fail "the tooltip is '$(tooltip)' after Activate, the quote '$quote'"

# toplevel_state TITLE: "open" or "closed" for the last window opened with that title.
toplevel_state() {
    local id
    id=$(grep -o "xdg_toplevel@[0-9]*\.set_title(\"$1\")" "$W/protocol.log" | tail -1 | cut -d. -f1)
    [ -n "$id" ] || return 1
    sed -n "/$id\.set_title(\"$1\")/,\$p" "$W/protocol.log" | grep -q "$id\.destroy()" && echo closed || echo open
}
menu_shown() { [ "$(toplevel_state 'PopupQuote — Sentari')" = open ]; }
menu_gone() { [ "$(toplevel_state 'PopupQuote — Sentari')" = closed ]; }
item org.kde.StatusNotifierItem.ContextMenu int32:900 int32:740 >/dev/null
wait_for 5 menu_shown || fail "ContextMenu opened no menu: $(windows)"
item org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null
wait_for 5 signature_differs "$SIG" "$quote" || fail "Activate with the menu open did not change the quote"
wait_for 5 menu_gone || fail "the menu stayed open after Activate"

click_item "E_xit"
wait_for 5 ended $SENTARI_PID || fail "Exit from the exported menu did not end sentari"
status=0
wait "$SENTARI_PID" || status=$?
[ $status -eq 0 ] || fail "sentari ended with status $status"
echo ok
