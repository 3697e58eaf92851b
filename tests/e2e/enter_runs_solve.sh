#!/usr/bin/env bash
# Letters typed into the selection box and Enter: the default button, Solve, fills the list.
# The list is seen on the screen, so the check needs no particular font: part of the list box
# (found as a fraction of the window, as the dialog's layout scales with its font) is one
# colour while the list is empty, and shows text once Solve has run.
VELMORA_BIN=$1
source "$(dirname "$0")/../support/app_window.sh"

# The colours in the top of the list box: x 18 to 100 and y 60 to 110 of the dialog's
# 143 x 294 units, inside the box's border and clear of its scroll bar.
list_colours() {
    local size width height
    size=$(xwininfo -id "$APP_WINDOW" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')
    read -r width height <<<"$size"
    import -window "$APP_WINDOW" \
        -crop "$((width * 82 / 143))x$((height * 50 / 294))+$((width * 18 / 143))+$((height * 60 / 294))" \
        +repage -format %k info: 2>/dev/null
}
list_is_blank() { [ "$(list_colours)" = 1 ]; }
list_shows_text() { [ "$(list_colours)" -gt 1 ]; }

start_desktop
write_dictionary "$E2E_WORK/words.txt"
start_app "$E2E_WORK/words.txt"
restore_window
wait_until "the empty list to be painted" list_is_blank

xdotool type --delay 20 "aeinrst"
xdotool key --clearmodifiers Return
wait_until "the solutions in the list" list_shows_text
echo "PASS: Enter in the selection box runs Solve"
