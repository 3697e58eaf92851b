#!/usr/bin/env bash
# Runs Velmora's benchmarks from a build folder, repeated, and prints the median of each.
#   usage: tools/bench.sh BUILD_DIR [REPETITIONS]      (default 10 repetitions)
# Extra Google Benchmark flags can be passed in BENCH_ARGS, e.g.
#   BENCH_ARGS=--benchmark_filter=Solve tools/bench.sh build
# BENCH_RUNNER names a program that runs each benchmark (Wine, for a Windows build; see
# tools/bench-windows.sh).
set -euo pipefail
build=${1:?usage: tools/bench.sh BUILD_DIR [REPETITIONS]}
repetitions=${2:-10}
exe=""
[ -f "$build/bench/velmora_bench.exe" ] && exe=.exe
if [ ! -f "$build/bench/velmora_bench$exe" ]; then
    echo "$build/bench/velmora_bench is missing: build with VELMORA_BUILD_BENCH on and" \
        "Google Benchmark installed" >&2
    exit 1
fi
# shellcheck disable=SC2206  # BENCH_RUNNER may hold a program and its flags
runner=(${BENCH_RUNNER:-})
# The word search core, then the window's commands (offscreen platform on Linux).
for bench in "$build/bench/velmora_bench$exe" "$build/bench/velmora_window_bench$exe"; do
    [ -f "$bench" ] || continue
    # shellcheck disable=SC2086  # BENCH_ARGS holds several flags
    QT_QPA_PLATFORM=offscreen "${runner[@]}" "$bench" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true \
        --benchmark_counters_tabular=true ${BENCH_ARGS:-} |
        tr -d '\r' | awk '/^Benchmark|^-+$/ || /_median/'
done
