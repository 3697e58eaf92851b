# shellcheck shell=bash
# The program and its window on the test's desktop: the program started in a scratch folder
# (start_app, launch_app; write_dictionary makes a small word list of the test's own), its
# window's state, maps, focus and looks (window_state, check_never_mapped, window_has_focus,
# screenshot, controls_area), and the player's moves: minimise, restore, a click, Quick solve
# from the keys, Escape. start_app expects VELMORA_BIN to name the program.
#
# The same scenarios run the Windows program under Wine. Then VELMORA_LAUNCH names the command
# that starts it (tests/support/wine/in_wine_prefix.sh: Wine in a fresh prefix), whose set-up
# the first wait allows for (E2E_LAUNCH_TIMEOUT), and E2E_START_STATE the state its window
# really starts in, where that is not the Iconic the program asks for.
#
# Needs waits.sh and desktops.sh, which it sources; the test starts its desktop first.
[ -z "${SUPPORT_APP_WINDOW_SOURCED:-}" ] || return 0
SUPPORT_APP_WINDOW_SOURCED=1

source "$(dirname "${BASH_SOURCE[0]}")/waits.sh"
source "$(dirname "${BASH_SOURCE[0]}")/desktops.sh"

E2E_LAUNCH_TIMEOUT=${E2E_LAUNCH_TIMEOUT:-$E2E_TIMEOUT}
APP_PID=""

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
# painted with its controls, on Wayland (where the test sees no window of its own; there the
# program logs its Wayland requests, for wait_for_programs_copy). APP_PID is
# the launcher's process, which ends with the program's status. E2E_APP_ARGS, when set, are
# arguments given to the program (which it ignores).
launch_app() {
    local launcher=() platform=(QT_QPA_PLATFORM=xcb DISPLAY="$APP_DISPLAY") arguments=()
    [ -n "${VELMORA_LAUNCH:-}" ] && launcher=("$VELMORA_LAUNCH")
    [ "$E2E_DESKTOP" = weston ] && platform=(QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client)
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

# A small dictionary of the test's own.
write_dictionary() {
    printf '%s\n' CAT ACTS CAST CATS SCAT TACT STAINER RETAINS SATIRE STAIN TRAIN >"$1"
}
