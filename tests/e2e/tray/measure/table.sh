#!/usr/bin/env bash
# The host x check table: runs host.sh for every kind of notification area, one after the
# other. Run: SENTARI_BIN_DIR=build/bin SENTARI_SHARE_DIR=build/share \
#   tests/e2e/tray/measure/table.sh [KIND...]
# Screenshots go to MEASURE_SHOTS when set. Work area and screen: 1024x768.
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(trayer-bottom-right trayer-top-right trayer-top-left trayer-left-top
    trayer-right-bottom trayer-bottom-center tint2-top tint2-bottom icewm xfce4-panel notifier-item
    none hidpi)
echo '| host | icon | hover pop-up | click | menu | re-dock | idle 30 s | pointer resting 10 s |'
echo '|---|---|---|---|---|---|---|---|'
for kind in "${kinds[@]}"; do
    bash "$(dirname "$0")/host.sh" "$kind" 2>/dev/null | grep '^|'
done
