#!/usr/bin/env bash
# On a desktop that does not minimise the window (DESKTOP: bare, an X server without a window
# manager; weston, native Wayland under Weston; xwayland, an X client under Weston's XWayland)
# the program still asks to start minimised, and is shown normal instead: a normal, painted,
# working window. Its controls show, the first tab stop has the keyboard focus (the Quick
# solve keys count their Tabs from it), a keyboard Quick solve answers, and Escape ends the
# program with status 0.
VELMORA_BIN=$1
DESKTOP=$2
source "$(dirname "$0")/../support/app_window.sh"
source "$(dirname "$0")/../support/clipboard.sh"

start_desktop "$DESKTOP"
write_dictionary "$E2E_WORK/words.txt"
# Before the program starts: under Wayland the clipboard tools take the keyboard focus.
set_clipboard "aeinrst"
start_app "$E2E_WORK/words.txt"
wait_until "the window to show its controls" window_shows_controls

case $DESKTOP in
bare)
    [ -z "$(window_state "$APP_WINDOW")" ] || fail "a window manager ran: $(window_state "$APP_WINDOW")"
    wait_until "the window to take the focus" window_has_focus "$APP_WINDOW"
    ;;
xwayland)
    wait_until "the window to be shown normal" window_is_normal "$APP_WINDOW"
    wait_until "the window to take the focus" window_has_focus "$APP_WINDOW"
    ;;
esac

press_quick_solve
wait_for_programs_copy
wait_until "the answer on the clipboard" clipboard_is "RETAINS STAINER"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended during the round"

# Under Weston the focus is given back with the pointer (Wayland's clipboard tools took it).
on_weston && click_in_window
escape_ends_program
echo "PASS: $DESKTOP: the window opens normal and painted, and a Quick solve answers"
