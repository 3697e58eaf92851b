#!/usr/bin/env bash
# Takes docs/screenshot.png: the restored window after solving a selection, on a private
# Xvfb display with openbox. Given a Windows build (build-windows), takes
# docs/screenshot-windows.png of its velmora.exe under Wine, in a prefix of its own.
# Usage: tools/screenshot.sh BUILD_DIR [LETTERS]
set -euo pipefail
build=$(realpath "${1:-build}")
letters=${2:-aeinrstl}
root=$(realpath "$(dirname "$0")/..")
VELMORA_BIN="$build/app/velmora"
shot=screenshot.png
if [ -f "$VELMORA_BIN.exe" ]; then
    VELMORA_BIN+=.exe shot=screenshot-windows.png
    export VELMORA_LAUNCH="$root/tests/support/wine/in_wine_prefix.sh" E2E_LAUNCH_TIMEOUT=180
fi
source "$root/tests/support/app_window.sh"

start_desktop
start_app "$root/data/dictionary.txt"
restore_window
# Wine moves a restored window from its icon's place back to its own after the restore.
window_on_screen() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$APP_WINDOW")"
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$screen_width" ] &&
        [ $((Y + HEIGHT)) -le "$screen_height" ]
}
wait_until "the window to be on the screen" window_on_screen
xdotool type --delay 20 "$letters"
import -frame -window "$APP_WINDOW" "$E2E_WORK/before.png"
xdotool key Return
# Wait until the window shows something new: the list of solutions.
shot_changed() {
    import -frame -window "$APP_WINDOW" "$E2E_WORK/after.png" &&
        ! cmp -s "$E2E_WORK/before.png" "$E2E_WORK/after.png"
}
wait_until "the solutions to be drawn" shot_changed
cp "$E2E_WORK/after.png" "$root/docs/$shot"
echo "wrote docs/$shot"
