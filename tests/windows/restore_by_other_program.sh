#!/usr/bin/env bash
# Under Wine: the window sits minimised after its start, and another program restores it as
# task switchers and automation tools do (RESTORER, a Windows program of ours run in the
# program's Wine prefix: ShowWindow SW_RESTORE on odd starts, SwitchToThisWindow on even
# ones). That first restore shows the window (WM_STATE Normal) and it stays restored (Windows
# reports it not iconic), in each of STARTS fresh starts in a row: how the start went wrong
# varied from one start to the next.
VELMORA_BIN=$1
RESTORER=$2
STARTS=${3:-4}
source "$(dirname "$0")/../support/app_window.sh"
source "$(dirname "$0")/../support/wine/wine_loader.sh"

# Runs a Windows program in the Wine prefix of the program's window (Wine puts its process id
# on the window; the process's environment names the prefix).
in_app_prefix() {
    local pid prefix
    pid=$(xdotool getwindowpid "$APP_WINDOW") || return 1
    prefix=$(tr '\0' '\n' <"/proc/$pid/environ" | sed -n 's/^WINEPREFIX=//p')
    [ -n "$prefix" ] && choose_wine "$1" && WINEPREFIX=$prefix WINEDEBUG=-all "$WINE_COMMAND" "$@"
}

# Ends the program with its Wine prefix (in_wine_prefix.sh ends the prefix when stopped).
end_app() {
    kill "$APP_PID" 2>/dev/null
    wait "$APP_PID" 2>/dev/null
}

start_desktop
write_dictionary "$E2E_WORK/words.txt"
for ((start = 1; start <= STARTS; start++)); do
    how=show
    ((start % 2)) || how=switch
    start_app "$E2E_WORK/words.txt"
    check_never_mapped
    in_app_prefix "$RESTORER" "$how" || fail "start $start: Windows does not report it restored ($how)"
    wait_until "start $start: the window to be shown normal ($how)" window_is_normal "$APP_WINDOW"
    in_app_prefix "$RESTORER" check || fail "start $start: the window did not stay restored"
    window_is_normal "$APP_WINDOW" || fail "start $start: the window was minimised again"
    end_app
    echo "start $start: restored by $how"
done
echo "PASS: a first restore by another program shows the window, in $STARTS starts"
