# Shared helpers for the end-to-end tests: a private X display with a real window manager,
# the program started in a scratch folder, and bounded waits on conditions.
# Sourced by the scenario scripts; expects VELMORA_BIN to name the program.
#
# The same scenarios run the Windows program under Wine. Then VELMORA_LAUNCH names the command
# that starts it (tests/wine/in_wine_prefix.sh: Wine in a fresh prefix), whose set-up the first
# wait allows for (E2E_LAUNCH_TIMEOUT), and E2E_START_STATE the state its window really starts
# in, where that is not the Iconic the program asks for.

set -uo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20}   # seconds any single wait may take
E2E_LAUNCH_TIMEOUT=${E2E_LAUNCH_TIMEOUT:-$E2E_TIMEOUT}
E2E_DIR=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
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

# A private X server and openbox on it. Xvfb picks a free display number itself; servers
# of these tests start one at a time (a lock), and a desktop that still does not come up
# (a collision with some other server) is torn down and started again.
start_desktop() {
    local attempt
    for attempt in 1 2 3 4 5; do
        try_start_desktop && return 0
        echo "the desktop did not start (attempt $attempt), retrying" >&2
        stop_desktop
    done
    fail "could not start Xvfb and openbox"
}

try_start_desktop() {
    # The lock is taken on this file itself, so nothing is left behind.
    start_x_server_locked 9<"$E2E_LIB" || return 1
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    E2E_PIDS+=("$OPENBOX_PID")
    poll_until "$E2E_TIMEOUT" window_manager_ready_or_gone || return 1
    window_manager_running && kill -0 "$XVFB_PID" 2>/dev/null
}

# Starts Xvfb while holding the lock on descriptor 9, until the server answers.
start_x_server_locked() {
    flock -w "$E2E_TIMEOUT" 9 || return 1
    local fdfile="$E2E_WORK/display"
    rm -f "$fdfile"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" 2>"$E2E_WORK/xvfb.log" 9>&- &
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
    kill "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null
    wait "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null
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

# Starts PROGRAM (through VELMORA_LAUNCH when set) with FOLDER as its current directory and
# waits for its managed window. APP_PID is the launcher's process, which ends with the
# program's status.
launch_app() {
    local launcher=()
    [ -n "${VELMORA_LAUNCH:-}" ] && launcher=("$VELMORA_LAUNCH")
    (cd "$1" && exec "${launcher[@]}" "$2") >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    poll_until "$E2E_LAUNCH_TIMEOUT" app_window || fail "timed out waiting for the Velmora window"
    APP_WINDOW=$(app_window)
    wait_until "the window manager to manage the window" window_is_managed "$APP_WINDOW"
}

window_is_managed() { [ -n "$(window_state "$1")" ]; }

# The program's window. Through a launcher the window belongs to another process (Wine's), so
# it is found by its title alone: the display is the test's own.
app_window() {
    local owner=(--pid "$APP_PID")
    [ -n "${VELMORA_LAUNCH:-}" ] && owner=()
    xdotool search --all "${owner[@]}" --name '^Velmora$' 2>/dev/null | head -n1 | grep .
}

window_state() {
    xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'
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

restore_window() {
    xdotool windowactivate --sync "$APP_WINDOW" || fail "could not activate the window"
    wait_until "the window to be restored" window_is_normal "$APP_WINDOW"
    wait_until "the window to take the focus" window_has_focus "$APP_WINDOW"
}

window_has_focus() { [ "$(xdotool getwindowfocus)" = "$1" ]; }

# Puts TEXT on the clipboard; xclip keeps serving it until another client takes it over.
set_clipboard() {
    printf '%s' "$1" | xclip -selection clipboard -i
    wait_until "the clipboard to hold the test text" clipboard_is "$1"
}

clipboard() { xclip -selection clipboard -o 2>/dev/null; }
clipboard_is() { [ "$(clipboard)" = "$1" ]; }

# Presses Quick solve with the keyboard alone: the selection box has the focus after restore,
# and the Quick solve button is the fourth tab stop after it.
press_quick_solve() {
    xdotool key --clearmodifiers Tab Tab Tab Tab space
}

app_exited() { ! kill -0 "$APP_PID" 2>/dev/null; }

# The answer Quick solve should put on the clipboard for LETTERS (the clipboard's text) and
# DICTIONARY, from a search of our own (reference_answer.awk), not the program's.
reference_answer() {
    LETTERS=$1 LC_ALL=C awk -f "$E2E_DIR/reference_answer.awk" "$2" | LC_ALL=C sort | paste -sd' '
}

# A small dictionary of the test's own.
write_dictionary() {
    printf '%s\n' CAT ACTS CAST CATS SCAT TACT STAINER RETAINS SATIRE STAIN TRAIN >"$1"
}
