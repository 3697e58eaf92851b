#!/usr/bin/env bash
# Runs the Windows build's benchmarks under Wine, on a private X display (the window
# benchmark needs one), in a Wine prefix of its own that is removed afterwards.
#   usage: tools/bench-windows.sh BUILD_DIR [REPETITIONS]
set -euo pipefail
build=$(realpath "${1:?usage: tools/bench-windows.sh BUILD_DIR [REPETITIONS]}")
root=$(realpath "$(dirname "$0")/..")
# The Wine loader for the build's word size; says why where a 32-bit build cannot run.
source "$root/tests/support/wine/wine_loader.sh"
choose_wine "$build/bench/velmora_bench.exe" || exit
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/velmora-bench-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX"' EXIT
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$4" wineboot -i >/dev/null 2>&1
    wineserver -w
    BENCH_RUNNER="$4" bash "$1/tools/bench.sh" "$2" "$3"
' _ "$root" "$build" "${2:-10}" "$WINE_COMMAND"
