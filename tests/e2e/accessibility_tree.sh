#!/usr/bin/env bash
# The window as a screen reader (Orca) meets it: through the accessibility tree, AT-SPI, on a
# D-Bus session of the test's own, with Qt's bridge on. Every control that takes the focus has
# its role and name; a round is played through the tree alone (accessibility_tree.py): letters
# set, Solve pressed, the list's words read and checked against the reference search, Quick
# solve pressed and its answer found on the clipboard; then the list is read with no current
# row and asked about rows outside it, which must not end the program.
VELMORA_BIN=$1
if [ -z "${E2E_SESSION_BUS:-}" ]; then
    # Started without a display, the accessibility bus announces itself through this session
    # bus alone (not on some X server's root window), so the test's tree is its own.
    exec env -u DISPLAY E2E_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
source "$(dirname "$0")/../support/app_window.sh"
source "$(dirname "$0")/../support/clipboard.sh"
source "$(dirname "$0")/../support/reference_answer.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

tree() { DISPLAY=$APP_DISPLAY /usr/bin/python3 "$E2E_DIR/accessibility_tree.py" "$@"; }
rows_are() { [ "$(tree rows)" = "$1" ]; }

dictionary="$E2E_DIR/../../data/dictionary.txt"
start_desktop
start_app "$dictionary"
restore_window
wait_until "the window's controls in the accessibility tree" tree controls
tree controls || fail "the controls are not named as they should be"

expected=$(reference_solutions listen "$dictionary")
tree set-letters listen || fail "could not set the letters"
[ "$(tree text Selection)" = LISTEN ] || fail "the selection box holds '$(tree text Selection)'"
tree press Solve || fail "could not press Solve"
wait_until "the list to hold the $(wc -l <<<"$expected") words for LISTEN" rows_are "$expected"

answer=$(reference_answer aeinrst "$dictionary")
set_clipboard aeinrst
tree press "Quick solve" || fail "could not press Quick solve"
wait_until "the answer ($answer) on the clipboard" clipboard_is "$answer"
[ "$(tree text "Answer for the clipboard")" = "$answer" ] || fail "the clipboard box is wrong"

# Quick solve emptied and refilled the list, which never had the focus: no row is current.
rows_are "$(reference_solutions aeinrst "$dictionary")" || fail "the list is not read back"
tree rows-outside
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended when asked about rows outside the list"
rows_are "$(reference_solutions aeinrst "$dictionary")" || fail "the list does not answer"

escape_ends_program
echo "PASS: accessibility tree"
