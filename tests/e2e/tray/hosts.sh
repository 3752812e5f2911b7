# The notification areas sentari meets, for tst_hosts.sh and measure/hosts.sh. Source after
# session.sh. start_desktop KIND starts the X server, a window manager and the host; the
# host's process is HOST_PID, and restart_host starts it again.
#   trayer-EDGE-ALIGN  trayer on that edge (bottom, top, left, right), aligned left, right
#                      or center (top and bottom for the side edges)
#   tint2-EDGE         tint2 at the top or bottom, only a tray, which starts at the left end
#   icewm              icewm, its own task bar and tray at the bottom
#   xfce4-panel        Xfce's panel at the top, dark, its tray at the right
#   hidpi              trayer at the bottom right with Xft.dpi 192 and QT_SCALE_FACTOR=2
#   notifier-item      status-notifier-watcher with gtk-sni-tray-standalone (no X11 tray)
#   none               no notification area

source "$(dirname "${BASH_SOURCE[0]}")/notifier_item.sh"

HOST_KIND=
HOST_PID=

start_desktop() {
    HOST_KIND=$1
    if [ "$HOST_KIND" = icewm ]; then
        start_x_server
        export ICEWM_PRIVCFG=$W/icewm
        mkdir -p "$ICEWM_PRIVCFG"
        printf 'TaskBarAtTop=0\nTaskBarShowClock=0\nTaskBarShowAPMStatus=0\nShowSettingsMenu=0\n' >"$ICEWM_PRIVCFG/preferences"
    else
        start_x
    fi
    case $HOST_KIND in
    hidpi)
        echo 'Xft.dpi: 192' | xrdb -merge
        export QT_SCALE_FACTOR=2
        ;;
    xfce4-panel)
        local xml=$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml
        mkdir -p "$xml"
        cp "$(dirname "${BASH_SOURCE[0]}")/xfce4-panel.xml" "$xml/"
        ;;
    tint2-*)
        sed "s/@EDGE@/${HOST_KIND#tint2-}/" "$(dirname "${BASH_SOURCE[0]}")/tint2rc" >"$W/tint2rc"
        ;;
    esac
    restart_host
}

launch_host() {
    case $HOST_KIND in
    trayer-*)
        local edge align
        IFS=- read -r _ edge align <<<"$HOST_KIND"
        # trayer knows only left, right and center; on a side edge left is the top.
        case $align in top) align=left ;; bottom) align=right ;; esac
        trayer --edge "$edge" --align "$align" --widthtype request --height 24 --SetDockType true \
            --SetPartialStrut true --transparent true --alpha 0 --tint 0x2040c0 >"$W/host.log" 2>&1 &
        ;;
    hidpi)
        trayer --edge bottom --align right --widthtype request --height 48 --SetDockType true \
            --SetPartialStrut true --transparent true --alpha 0 --tint 0x2040c0 >"$W/host.log" 2>&1 &
        ;;
    tint2-*) tint2 -c "$W/tint2rc" >"$W/host.log" 2>&1 & ;;
    icewm) icewm >"$W/host.log" 2>&1 & ;;
    xfce4-panel) xfce4-panel >"$W/host.log" 2>&1 & ;;
    notifier-item)
        watcher_up >/dev/null 2>&1 || start_watcher
        gtk-sni-tray-standalone --bottom --end --size 24 >"$W/host.log" 2>&1 &
        ;;
    none) HOST_PID= && return 0 ;;
    esac
    HOST_PID=$!
    PIDS+=($HOST_PID)
}


restart_host() {
    launch_host
    case $HOST_KIND in
    none) ;;
    notifier-item) wait_for 10 strut_applied || fail "the notifier-item host did not start" ;;
    *) wait_for 15 work_area_shrunk || fail "$HOST_KIND did not reserve its panel (work area: $(work_area))" ;;
    esac
}

stop_host() {
    [ -n "$HOST_PID" ] || return 0
    kill "$HOST_PID" 2>/dev/null || true
    wait "$HOST_PID" 2>/dev/null || true
    # xfce4-panel hands its plugins to wrapper processes that outlive it briefly.
    sleep 0.5
}

# The work area is smaller than the screen on some side.
work_area_shrunk() {
    local x y w h
    read -r x y w h < <(work_area) || return 1
    [[ "$w" =~ ^[0-9]+$ && "$h" =~ ^[0-9]+$ ]] || return 1
    [ "$x" -gt 0 ] || [ "$y" -gt 0 ] || [ "$w" -lt 1024 ] || [ "$h" -lt 768 ]
}
