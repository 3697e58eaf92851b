# Shared helpers for the end-to-end tests: a private X display with a real window manager (or
# none, or a nested Wayland compositor), the program started in a scratch folder, and bounded
# waits on conditions.
# Sourced by the scenario scripts; expects VELMORA_BIN to name the program.
#
# The same scenarios run the Windows program under Wine. Then VELMORA_LAUNCH names the command
# that starts it (tests/support/wine/in_wine_prefix.sh: Wine in a fresh prefix), whose set-up
# the first wait allows for (E2E_LAUNCH_TIMEOUT), and E2E_START_STATE the state its window
# really starts in, where that is not the Iconic the program asks for.

set -uo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20}   # seconds any single wait may take
E2E_LAUNCH_TIMEOUT=${E2E_LAUNCH_TIMEOUT:-$E2E_TIMEOUT}
E2E_DESKTOP=${E2E_DESKTOP:-openbox}
E2E_DIR=$(dirname "$(realpath "$0")")  # the running test's folder, where its own files are
E2E_SUPPORT=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
E2E_LIB=$(realpath "${BASH_SOURCE[0]}")
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
E2E_PIDS=()
APP_PID=""

fail() {
    echo "FAIL: $*" >&2
    local log
    for log in "$E2E_WORK"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")"; tail -n 20 "$log"; } >&2
    done
    exit 1
}

cleanup() {
    set +e  # a process that already ended must not stop the clean-up
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${E2E_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$E2E_WORK"
}
trap cleanup EXIT

# poll_until SECONDS COMMAND...: polls COMMAND until it succeeds; fails after SECONDS.
poll_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# wait_until DESCRIPTION COMMAND...: polls COMMAND until it succeeds, for at most E2E_TIMEOUT.
wait_until() {
    local what=$1
    shift
    poll_until "$E2E_TIMEOUT" "$@" || fail "timed out waiting for $what"
}

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
    start_x_server_locked 9<"$E2E_LIB" || return 1
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

# Starts the program in a fresh folder; DICTIONARY (a file) is copied in as dictionary.txt
# unless it is empty.
start_app() {
    local dictionary=${1:-}
    APP_DIR="$E2E_WORK/run"
    mkdir -p "$APP_DIR"
    [ -n "$dictionary" ] && cp "$dictionary" "$APP_DIR/dictionary.txt"
    launch_app "$APP_DIR" "$VELMORA_BIN"
}

# Starts PROGRAM [ARGUMENTS...] (through VELMORA_LAUNCH when set) with FOLDER as its current
# directory (a launcher's command line may change it again) and
# waits for its window: managed and in its start state, under openbox; managed, under
# Weston's XWayland; mapped, on a bare X server;
# painted with its controls, on Wayland (where the test sees no window of its own). APP_PID is
# the launcher's process, which ends with the program's status. E2E_APP_ARGS, when set, are
# arguments given to the program (which it ignores).
launch_app() {
    local launcher=() platform=(QT_QPA_PLATFORM=xcb DISPLAY="$APP_DISPLAY") arguments=()
    [ -n "${VELMORA_LAUNCH:-}" ] && launcher=("$VELMORA_LAUNCH")
    [ "$E2E_DESKTOP" = weston ] && platform=(QT_QPA_PLATFORM=wayland)
    read -ra arguments <<<"${E2E_APP_ARGS:-}"
    [ "$E2E_DESKTOP" = openbox ] && watch_maps
    (cd "$1" && exec env "${platform[@]}" "${launcher[@]}" "${@:2}" "${arguments[@]}") >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    if [ "$E2E_DESKTOP" = weston ]; then
        wait_until "the Velmora window to show its controls" window_shows_controls
        return
    fi
    poll_until "$E2E_LAUNCH_TIMEOUT" app_window || fail "timed out waiting for the Velmora window"
    APP_WINDOW=$(app_window)
    if [ "$E2E_DESKTOP" = bare ]; then
        wait_until "the window to be mapped" window_is_viewable "$APP_WINDOW"
    else
        wait_until "the window manager to manage the window" window_is_managed "$APP_WINDOW"
    fi
    # Under openbox the window reaches its start state before the test acts on it (under Wine
    # it may be shown normal for a moment first).
    if [ "$E2E_DESKTOP" = openbox ]; then
        check_start_state
    fi
}

window_is_managed() { [ -n "$(window_state "$1")" ]; }

# Under openbox the maps of top-level windows are watched from before the program starts
# (xev on the root's substructure), so that any map of its window before the first restore is
# seen, however short. The watch listens once it reports the window an xclip makes.
watch_maps() {
    [ -n "${E2E_MAP_WATCH:-}" ] && kill "$E2E_MAP_WATCH" 2>/dev/null # a program started before
    E2E_MAP_LOG=$(mktemp "$E2E_WORK/maps.XXXXXX")
    xev -root -event substructure >"$E2E_MAP_LOG" 2>&1 &
    E2E_MAP_WATCH=$!
    E2E_PIDS+=("$E2E_MAP_WATCH")
    wait_until "the watch on the window maps" map_watch_listens
}
map_watch_listens() {
    xclip -o -selection secondary >/dev/null 2>&1
    grep -q '^CreateNotify' "$E2E_MAP_LOG"
}

# Fails if the program's window, or a frame the window manager put around it, was mapped.
check_never_mapped() {
    local mapped window map
    mapped=$(awk '/^MapNotify/ { getline; print }' "$E2E_MAP_LOG" |
        sed -n 's/.* window \(0x[0-9a-f]*\),.*/\1/p')
    for window in $(window_and_frames "$APP_WINDOW"); do
        for map in $mapped; do
            [ $((map)) -ne $((window)) ] || fail "the window was mapped before it was restored"
        done
    done
    echo "not mapped before the first restore"
}

# WINDOW and its ancestors below the root.
window_and_frames() {
    local window=$1 root
    root=$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
    while [ -n "$window" ] && [ $((window)) -ne $((root)) ]; do
        echo "$window"
        window=$(xwininfo -tree -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    done
}

# The program's window. Through a launcher the window belongs to another process (Wine's), so
# it is found by its title alone: the display is the test's own.
app_window() {
    local owner=(--pid "$APP_PID")
    [ -n "${VELMORA_LAUNCH:-}" ] && owner=()
    DISPLAY=$APP_DISPLAY xdotool search --all "${owner[@]}" --name '^Velmora$' 2>/dev/null |
        head -n1 | grep .
}

window_is_viewable() { DISPLAY=$APP_DISPLAY xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }

# A screenshot of the program's window as the user sees it (under Weston, of Weston's whole
# output: the black background and the program's window) into FILE.
screenshot() {
    if on_weston; then
        import -window "$WESTON_WINDOW" "$1"
    else
        DISPLAY=$APP_DISPLAY import -window "$APP_WINDOW" "$1"
    fi
}

# The white inside of the controls, the Solutions list above all, shrunk by 10 pixels on
# every side: what is left is neither text, nor the icon painted alone while minimised, nor
# Weston's pointer, and it is at least 10000 pixels when the controls show. Prints the
# shrunk area's geometry, WxH+X+Y.
controls_area() {
    local shot="$E2E_WORK/shot.png"
    screenshot "$shot" 2>/dev/null || return 1
    local area
    area=$(convert "$shot" -fill black +opaque white -morphology Erode Square:10 \
        -format '%[fx:int(mean*w*h)] %@' info:) || return 1
    [ "${area%% *}" -ge 10000 ] || return 1
    echo "${area#* }"
}
window_shows_controls() { controls_area >/dev/null; }

window_state() {
    DISPLAY=$APP_DISPLAY xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'
}

window_is_iconic() { [ "$(window_state "$1")" = "Iconic" ]; }
window_is_normal() { [ "$(window_state "$1")" = "Normal" ]; }
window_state_is() { [ "$(window_state "$1")" = "$2" ]; }

# The program asks to start minimised; E2E_START_STATE names what really happens where the
# window manager or Wine keeps it from that.
check_start_state() {
    local expected=${E2E_START_STATE:-Iconic}
    poll_until "$E2E_TIMEOUT" window_state_is "$APP_WINDOW" "$expected" ||
        fail "the window started $(window_state "$APP_WINDOW"), not $expected"
    echo "start state: $expected"
}

minimise_window() {
    xdotool windowminimize --sync "$APP_WINDOW" || fail "could not minimise the window"
    wait_until "the window to be minimised" window_is_iconic "$APP_WINDOW"
}

# Restores the window as from the taskbar: activates it whenever it is minimised, until it is
# normal and has the focus. The first restore under openbox checks first that the window was
# never mapped until then. Under Wine the program may minimise itself once more just after
# its start, as Wine shows the dialog normal for a moment (see launch_app).
restore_window() {
    if [ -n "${E2E_MAP_LOG:-}" ]; then
        check_never_mapped
        E2E_MAP_LOG=""
    fi
    wait_until "the window to be restored and take the focus" restored_with_focus
}
restored_with_focus() {
    if window_is_iconic "$APP_WINDOW"; then
        xdotool windowactivate "$APP_WINDOW" || return 1
    fi
    window_is_normal "$APP_WINDOW" && window_has_focus "$APP_WINDOW"
}

window_has_focus() { [ "$(DISPLAY=$APP_DISPLAY xdotool getwindowfocus)" = "$1" ]; }

# Under Weston: a click inside the program's window (in its Solutions list), which gives it
# the keyboard focus back after the Wayland clipboard tools took it. The pointer first leaves
# Weston's window and comes back, or Weston would still think it at 0,0.
click_in_window() {
    local area width height x y
    area=$(controls_area) || fail "the window does not show its controls"
    IFS='x+' read -r width height x y <<<"$area"
    xdotool mousemove --sync 1000 760 mousemove --sync $((x + width / 2)) $((y + height / 2)) \
        click 1 || fail "could not click in the window"
}

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

# Presses Quick solve with the keyboard alone: the selection box has the focus after restore,
# and the Quick solve button is the fourth tab stop after it.
press_quick_solve() {
    xdotool key --clearmodifiers Tab Tab Tab Tab space
}

app_exited() { ! kill -0 "$APP_PID" 2>/dev/null; }

# Presses Escape in the program's window and checks that the program ends with status 0.
escape_ends_program() {
    xdotool key --clearmodifiers Escape
    wait_until "the program to end" app_exited
    wait "$APP_PID"
    local status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The answer Quick solve should put on the clipboard for LETTERS (the clipboard's text) and
# DICTIONARY, from a search of our own (reference_answer.awk), not the program's.
reference_answer() {
    LETTERS=$1 LC_ALL=C awk -f "$E2E_SUPPORT/reference_answer.awk" "$2" | LC_ALL=C sort | paste -sd' '
}

# Every word of DICTIONARY the letters LETTERS can spell, as the solutions list shows them
# (longest first, then alphabetical), from the same reference search.
reference_solutions() {
    LETTERS=$1 EVERY_LENGTH=1 LC_ALL=C awk -f "$E2E_SUPPORT/reference_answer.awk" "$2" |
        LC_ALL=C awk '{ print length($0), $0 }' | LC_ALL=C sort -k1,1nr -k2 | cut -d' ' -f2-
}

# A small dictionary of the test's own.
write_dictionary() {
    printf '%s\n' CAT ACTS CAST CATS SCAT TACT STAINER RETAINS SATIRE STAIN TRAIN >"$1"
}
