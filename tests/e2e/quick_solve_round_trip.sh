#!/usr/bin/env bash
# A whole round as a player plays it: the window starts minimised, the player restores it,
# copies letters, presses Quick solve with the keyboard and pastes the answer elsewhere.
VELMORA_BIN=$1
source "$(dirname "$0")/e2e_lib.sh"

start_desktop
write_dictionary "$E2E_WORK/words.txt"
start_app "$E2E_WORK/words.txt"

# openbox sets WM_STATE Normal when it takes the window in, then Iconic when it carries out
# the program's request.
poll_until "$E2E_TIMEOUT" window_is_iconic "$APP_WINDOW" ||
    fail "the window did not start minimised: $(window_state "$APP_WINDOW")"
restore_window

set_clipboard "aeinrst"
press_quick_solve
wait_until "the answer on the clipboard" clipboard_is "RETAINS STAINER"

# Letters on two lines, in lower case, solve as one selection.
set_clipboard $'tsa\nc'
press_quick_solve_again() { xdotool key --clearmodifiers space; }
press_quick_solve_again   # the Quick solve button still has the focus
wait_until "the second answer on the clipboard" clipboard_is "ACTS CAST CATS SCAT"

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the round"
echo "PASS: quick solve round trip"
