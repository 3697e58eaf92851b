#!/usr/bin/env bash
# in_wine_prefix.sh PROGRAM ARGS...: runs a Windows program under Wine in a fresh Wine prefix
# of its own and returns the program's exit status (77 where this machine cannot run it:
# wine_loader.sh). The prefix (32-bit for a PE32 program,
# 64-bit for PE32+) is made in a temporary folder before the program starts; on exit, or when
# this script is stopped, every process of the prefix is ended (end_wine_prefix.sh) and the
# prefix removed. Wine's debug output and first-run dialogs are turned off.
set -uo pipefail

program=$1
shift
wineserver=${WINESERVER:-wineserver}

source "$(dirname "$0")/wine_loader.sh"
choose_wine "$program" || exit
wine=$WINE_COMMAND

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/velmora-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko dialog

source "$(dirname "$0")/end_wine_prefix.sh"
end_prefix() {
    WINESERVER=$wineserver end_wine_prefix
    rm -rf "$WINEPREFIX"
}
trap end_prefix EXIT
trap 'exit 143' TERM INT HUP # the EXIT trap then ends the program with its prefix

# Wine runs in the background so that a signal to this script is handled at once.
"$wine" wineboot --init >"$WINEPREFIX/boot.log" 2>&1 &
if ! wait $!; then
    echo "in_wine_prefix.sh: wineboot failed:" >&2
    cat "$WINEPREFIX/boot.log" >&2
    exit 2
fi

"$wine" "$program" "$@" &
wait $!
