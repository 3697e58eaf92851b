# shellcheck shell=bash
# The clipboard as the player uses it: text put on it (set_clipboard) and read back
# (clipboard, clipboard_is), with xclip on the program's X display, or with wl-copy and
# wl-paste under Weston's Wayland.
# Needs waits.sh and desktops.sh, which it sources; the test starts its desktop first.
[ -z "${SUPPORT_CLIPBOARD_SOURCED:-}" ] || return 0
SUPPORT_CLIPBOARD_SOURCED=1

source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktops.sh"

# Puts TEXT on the clipboard; xclip and wl-copy keep serving it until another client takes it
# over. Under Wayland (weston) the clipboard tools take the keyboard focus from the program.
set_clipboard() {
    if [ "$E2E_DESKTOP" = weston ]; then
        printf "%s" "$1" | timeout "$E2E_TIMEOUT" wl-copy >/dev/null 2>&1
    else
        printf '%s' "$1" | DISPLAY=$APP_DISPLAY xclip -selection clipboard -i
    fi || fail "could not put the test text on the clipboard"
    wait_until "the clipboard to hold the test text" clipboard_is "$1"
}

# Each read has a time limit: a request that reaches an owner just as it hands the clipboard
# over (xclip -i ends when it loses it) is never answered, and xclip -o would wait for ever.
clipboard() {
    if [ "$E2E_DESKTOP" = weston ]; then
        timeout 5 wl-paste --no-newline 2>/dev/null
    else
        DISPLAY=$APP_DISPLAY timeout 5 xclip -selection clipboard -o 2>/dev/null
    fi
}
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# Under Weston a program's read of the clipboard comes back empty once another client has taken
# the keyboard focus, as wl-paste does to read it: Weston serves only the newest offer. So the
# test reads the clipboard after the program has put its answer there, as its log of Wayland
# requests shows (see launch_app; libwayland 1.23 writes wl_data_source#N, earlier ones @N).
# Elsewhere it returns at once.
wait_for_programs_copy() {
    [ "$E2E_DESKTOP" = weston ] || return 0
    wait_until "the program to put its answer on the clipboard" \
        grep -q 'set_selection(wl_data_source[@#]' "$E2E_WORK/app.log"
}
