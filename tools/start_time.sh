#!/usr/bin/env bash
# Measures how long the program takes from its launch until its window is minimised (WM_STATE
# Iconic) under openbox, on a private X display: the wait for its taskbar button, the loading
# of the word list included. Prints each run's time and their median, in milliseconds.
#   usage: tools/start_time.sh PROGRAM [LIST_FOLDER] [RUNS]
#   e.g.   tools/start_time.sh build/app/velmora data/game 11   (the defaults: data/game, 11)
set -uo pipefail
program=$(realpath "${1:?usage: tools/start_time.sh PROGRAM [LIST_FOLDER] [RUNS]}")
root=$(realpath "$(dirname "$0")/..")
folder=$(realpath "${2:-$root/data/game}")
runs=${3:-11}
source "$root/tests/support/app_window.sh"

microseconds() { echo "${1//[!0-9]/}"; }
no_clients() { ! xprop -root _NET_CLIENT_LIST | grep -q '0x'; }

# One launch, its time in microseconds in RUN_TIME: from just before the program starts until openbox lists its
# window in _NET_CLIENT_LIST, which openbox does in the same step as it sets the window's
# WM_STATE. The state is then read: if it is not Iconic yet, the time it is first seen so.
measure_once() {
    local line seen window
    coproc SPY { exec stdbuf -oL xprop -root -spy _NET_CLIENT_LIST; }
    E2E_PIDS+=("$SPY_PID")
    read -t "$E2E_TIMEOUT" -r line <&"${SPY[0]}" || fail "xprop did not report the client list"
    local start=$EPOCHREALTIME
    (cd "$folder" && exec env QT_QPA_PLATFORM=xcb "$program") >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    E2E_PIDS+=("$APP_PID")
    window=""
    while [ -z "$window" ]; do
        read -t "$E2E_TIMEOUT" -r line <&"${SPY[0]}" || fail "the window did not appear"
        seen=$EPOCHREALTIME
        window=$(grep -o '0x[0-9a-f]*' <<<"$line" | head -n1)
    done
    if ! window_is_iconic "$window"; then
        poll_until "$E2E_TIMEOUT" window_is_iconic "$window" || fail "the window never became Iconic"
        seen=$EPOCHREALTIME
    fi
    RUN_TIME=$(($(microseconds "$seen") - $(microseconds "$start")))
    kill "$APP_PID" "$SPY_PID"
    wait "$APP_PID" "$SPY_PID" 2>/dev/null
    poll_until "$E2E_TIMEOUT" no_clients || fail "the window did not go away"
}

[ -f "$folder/dictionary.txt" ] || fail "$folder holds no dictionary.txt"
start_desktop openbox
times=()
for ((run = 1; run <= runs; run++)); do
    measure_once
    times+=("$RUN_TIME")
    printf 'run %d: %d.%03d ms\n' "$run" $((RUN_TIME / 1000)) $((RUN_TIME % 1000))
done
printf '%s\n' "${times[@]}" | sort -n | awk -v runs="$runs" -v folder="$folder" '
    { t[NR] = $1 }
    END {
        median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
        printf "median of %d runs, %s: %.1f ms\n", runs, folder, median / 1000
    }'
