#!/usr/bin/env bash
# tools/run.sh without a desktop session: one line that says what is missing, a non-zero
# status, and the program never started (no core dump, nothing left running).
set -uo pipefail
run_script=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-nodisplay.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A stand-in build whose program would leave a mark if it were started.
mkdir -p "$work/build/app"
printf '#!/bin/sh\ntouch "%s/started"\n' "$work" >"$work/build/app/velmora"
chmod +x "$work/build/app/velmora"

env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work" \
    bash "$run_script" "$work/build" >"$work/out" 2>"$work/err"
status=$?

fail() { echo "FAIL: $*" >&2; cat "$work/out" "$work/err" >&2; exit 1; }
[ "$status" -ne 0 ] || fail "run.sh ended with status 0 without a display"
[ ! -e "$work/started" ] || fail "run.sh started the program without a display"
[ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] || fail "run.sh did not say it in one line"
grep -q 'desktop session' "$work/err" || fail "run.sh did not say what is missing"
# A display name whose server is not there counts as none.
DISPLAY=:987 bash "$run_script" "$work/build" >/dev/null 2>&1 && fail "run.sh took a display with no server"
[ ! -e "$work/started" ] || fail "run.sh started the program for a display with no server"
echo "PASS: without a display run.sh says so and starts nothing"
