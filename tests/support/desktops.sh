# shellcheck shell=bash
# A private desktop for a test (start_desktop, stop_desktop): an X server (Xvfb) with the
# openbox window manager, with none, or with a nested Weston for Wayland and XWayland clients.
# Sets DISPLAY, the X server's, and APP_DISPLAY, the X display the program uses.
# Needs waits.sh, which it sources.
[ -z "${SUPPORT_DESKTOPS_SOURCED:-}" ] || return 0
SUPPORT_DESKTOPS_SOURCED=1

source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"

E2E_DESKTOP=${E2E_DESKTOP:-openbox}
E2E_DESKTOP_LOCK=$(realpath "${BASH_SOURCE[0]}")

# A private desktop, by name (E2E_DESKTOP):
#   openbox   an X server and the openbox window manager (the default)
#   bare      an X server and no window manager at all
#   weston    a nested Weston (its X11 backend, inside the X server) for native Wayland clients
#   xwayland  the same Weston with XWayland, for X clients under Weston's window manager
# Xvfb picks a free display number itself; servers of these tests start one at a time (a
# lock), and a desktop that still does not come up (a collision with some other server) is
# torn down and started again. Xvfb never resets: with no window manager every tool's
# connection may be the last one, and a client that connects during a reset is turned away.
# Input (xdotool) and screenshots always go to the Xvfb display, DISPLAY; the program's own X
# display, if any, is APP_DISPLAY.
start_desktop() {
    E2E_DESKTOP=${1:-openbox}
    local attempt
    for attempt in 1 2 3 4 5; do
        try_start_desktop && return 0
        echo "the $E2E_DESKTOP desktop did not start (attempt $attempt), retrying" >&2
        stop_desktop
    done
    fail "could not start the $E2E_DESKTOP desktop"
}

try_start_desktop() {
    # The lock is taken on this file itself, so nothing is left behind.
    start_x_server_locked 9<"$E2E_DESKTOP_LOCK" || return 1
    unset WAYLAND_DISPLAY
    APP_DISPLAY=$DISPLAY
    case $E2E_DESKTOP in
    openbox) start_openbox ;;
    bare) ! window_manager_running ;;
    weston | xwayland) start_weston ;;
    *) fail "no desktop named $E2E_DESKTOP" ;;
    esac
}

start_openbox() {
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    E2E_PIDS+=("$OPENBOX_PID")
    poll_until "$E2E_TIMEOUT" window_manager_ready_or_gone || return 1
    window_manager_running && kill -0 "$XVFB_PID" 2>/dev/null
}

# Weston in an 800x600 window of the X server, on a black background without a panel (so the
# program's window is all that is not black), with its own config and a private runtime
# folder. Under XWAYLAND, APP_DISPLAY becomes the X display Weston's XWayland listens on.
start_weston() {
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 0700 "$XDG_RUNTIME_DIR" || return 1
    cat >"$E2E_WORK/weston.ini" <<'INI'
[core]
idle-time=0

[shell]
background-color=0xff000000
panel-position=none
locking=false
INI
    local options=(--backend=x11-backend.so --config="$E2E_WORK/weston.ini" --socket=velmora-e2e
                   --width=800 --height=600 --use-pixman)
    [ "$E2E_DESKTOP" = xwayland ] && options+=(--xwayland)
    weston "${options[@]}" >"$E2E_WORK/weston.log" 2>&1 &
    WESTON_PID=$!
    E2E_PIDS+=("$WESTON_PID")
    poll_until "$E2E_TIMEOUT" weston_ready_or_gone || return 1
    weston_ready || return 1
    export WAYLAND_DISPLAY=velmora-e2e
    WESTON_WINDOW=$(weston_window)
    if [ "$E2E_DESKTOP" = xwayland ]; then
        APP_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$E2E_WORK/weston.log")
        [ -n "$APP_DISPLAY" ] || return 1
    fi
    return 0
}

weston_window() { xdotool search --class '^Weston Compositor$' 2>/dev/null | head -n1 | grep .; }
# Ready once its socket is there, its output window is on the X server, and (under
# XWAYLAND) its X server listens.
weston_ready() {
    [ -S "$XDG_RUNTIME_DIR/velmora-e2e" ] && weston_window >/dev/null &&
        { [ "$E2E_DESKTOP" != xwayland ] || grep -q 'xserver listening on display' "$E2E_WORK/weston.log"; }
}
weston_ready_or_gone() { weston_ready || ! kill -0 "$WESTON_PID" 2>/dev/null; }
on_weston() { [ "$E2E_DESKTOP" = weston ] || [ "$E2E_DESKTOP" = xwayland ]; }

# Starts Xvfb while holding the lock on descriptor 9, until the server answers.
start_x_server_locked() {
    flock -w "$E2E_TIMEOUT" 9 || return 1
    local fdfile="$E2E_WORK/display"
    rm -f "$fdfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fdfile" 2>"$E2E_WORK/xvfb.log" 9>&- &
    XVFB_PID=$!
    E2E_PIDS+=("$XVFB_PID")
    poll_until "$E2E_TIMEOUT" display_chosen_or_gone "$fdfile" || return 1
    grep -q '[0-9]' "$fdfile" || return 1
    export DISPLAY=":$(head -n1 "$fdfile" | tr -d '[:space:]')"
    poll_until "$E2E_TIMEOUT" xdpyinfo || return 1
    kill -0 "$XVFB_PID" 2>/dev/null
}

display_chosen_or_gone() { grep -q '[0-9]' "$1" || ! kill -0 "$XVFB_PID" 2>/dev/null; }
window_manager_ready_or_gone() { window_manager_running || ! kill -0 "$OPENBOX_PID" 2>/dev/null; }

stop_desktop() {
    kill ${WESTON_PID:-} ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null
    wait ${WESTON_PID:-} ${OPENBOX_PID:-} ${XVFB_PID:-} 2>/dev/null
    WESTON_PID="" OPENBOX_PID="" XVFB_PID=""
    return 0
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}
