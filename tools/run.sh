#!/usr/bin/env bash
# Starts the built program in a folder that holds the default dictionary.txt, since the
# program reads its word list from the current directory.
set -euo pipefail
build=$(realpath "${1:-build}")
root=$(realpath "$(dirname "$0")/..")
rundir="$build/run"
mkdir -p "$rundir"
cp "$root/data/dictionary.txt" "$rundir/dictionary.txt"
cd "$rundir"
exec "$build/app/velmora"
