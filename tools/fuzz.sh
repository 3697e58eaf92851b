#!/usr/bin/env bash
# Runs the dictionary fuzzer for a bounded time, starting from the committed seed corpus.
# New inputs it finds go to a scratch corpus, so the committed seeds stay small.
set -euo pipefail
fuzzer=$1
seconds=${2:-60}
root=$(realpath "$(dirname "$0")/..")
work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$root/" "$work" "$root/tests/fuzz/corpus"
