# shellcheck shell=bash
# end_wine_prefix: ends every process of the Wine prefix WINEPREFIX before it is removed. The
# prefix's wineserver ends the Windows processes it knows; one that was still starting then
# (services.exe starting a winedevice.exe) is not among them and would live on, with a server
# of its own, after its prefix was gone. So the server is ended until no Wine process whose
# environment names the prefix is left, killing any that are, for at most E2E_TIMEOUT (20) s.
wine_prefix_processes() {
    local environ pid
    for environ in $(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null); do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        case $(readlink "/proc/$pid/exe" 2>/dev/null) in */wine*) echo "$pid" ;; esac
    done
}

end_wine_prefix() {
    local deadline=$((SECONDS + ${E2E_TIMEOUT:-20})) left
    while :; do
        timeout 10 "${WINESERVER:-wineserver}" -k 2>/dev/null
        timeout 10 "${WINESERVER:-wineserver}" -w 2>/dev/null
        left=$(wine_prefix_processes)
        [ -n "$left" ] || return 0
        [ $SECONDS -lt $deadline ] || { echo "Wine processes left in $WINEPREFIX: $left" >&2; return 1; }
        kill -9 $left 2>/dev/null
    done
}
