#!/usr/bin/env bash
# A whole round as a player plays it: the window starts minimised, the player restores it,
# copies letters, presses Quick solve with the keyboard and pastes the answer elsewhere. The
# answers are checked against a reference search of the default dictionary.
VELMORA_BIN=$1
source "$(dirname "$0")/../support/app_window.sh"
source "$(dirname "$0")/../support/clipboard.sh"
source "$(dirname "$0")/../support/reference_answer.sh"

dictionary="$E2E_DIR/../../data/dictionary.txt"
start_desktop
start_app "$dictionary"

window_is_iconic "$APP_WINDOW" || minimise_window # restore from the taskbar in any case
restore_window

# solve_from_clipboard TEXT COMMAND...: TEXT on the clipboard, COMMAND presses Quick solve,
# and the answer is checked.
solve_from_clipboard() {
    local text=$1 expected
    shift
    expected=$(reference_answer "$text" "$dictionary")
    [ -n "$expected" ] || fail "the reference search found no word for '$text'"
    set_clipboard "$text"
    "$@"
    wait_until "the answer for '$text' ($expected) on the clipboard" clipboard_is "$expected"
}

solve_from_clipboard "aeinrst" press_quick_solve
# Letters on two lines, in lower case, solve as one selection; the Quick solve button still
# has the focus.
solve_from_clipboard $'tsa\nc' xdotool key --clearmodifiers space

kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the round"
echo "PASS: quick solve round trip"
