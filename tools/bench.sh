#!/usr/bin/env bash
# Runs Velmora's benchmarks from a build folder, repeated, and prints the median of each.
#   usage: tools/bench.sh BUILD_DIR [REPETITIONS]      (default 10 repetitions)
# Extra Google Benchmark flags can be passed in BENCH_ARGS, e.g.
#   BENCH_ARGS=--benchmark_filter=Solve tools/bench.sh build
set -euo pipefail
build=${1:?usage: tools/bench.sh BUILD_DIR [REPETITIONS]}
repetitions=${2:-10}
if [ ! -x "$build/bench/velmora_bench" ]; then
    echo "$build/bench/velmora_bench is missing: build with bench in VELMORA_PARTS and" \
        "Google Benchmark installed" >&2
    exit 1
fi
# The word search core, then the window's commands on the offscreen platform (when built).
for bench in "$build/bench/velmora_bench" "$build/bench/velmora_window_bench"; do
    [ -x "$bench" ] || continue
    # shellcheck disable=SC2086  # BENCH_ARGS holds several flags
    QT_QPA_PLATFORM=offscreen "$bench" --benchmark_repetitions="$repetitions" \
        --benchmark_report_aggregates_only=true \
        --benchmark_counters_tabular=true ${BENCH_ARGS:-} |
        awk '/^Benchmark|^-+$/ || /_median/'
done
