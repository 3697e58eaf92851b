# shellcheck shell=bash
# The ground the shell harness stands on: a scratch folder of the test's own (E2E_WORK) that
# goes, with every process listed in E2E_PIDS, when the test ends (cleanup, run on EXIT);
# fail, which says why a test failed and shows the end of its logs; and bounded waits on
# conditions (poll_until, wait_until: E2E_TIMEOUT seconds each). E2E_DIR is the running test's
# folder. Needs no other support file; sourcing it again changes nothing.
[ -z "${SUPPORT_WAITS_SOURCED:-}" ] || return 0
SUPPORT_WAITS_SOURCED=1

set -uo pipefail

E2E_TIMEOUT=${E2E_TIMEOUT:-20}   # seconds any single wait may take
E2E_DIR=$(dirname "$(realpath "$0")")  # the running test's folder, where its own files are
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
E2E_PIDS=()

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
