#!/usr/bin/env bash
# Starts the built program in a folder that holds a word list, since the program reads its
# dictionary.txt from the current directory.
#   usage: tools/run.sh [BUILD] [LIST]   LIST: default, more or game (data/LIST/)
set -euo pipefail
build=$(realpath "${1:-build}")
list=${2:-default}
root=$(realpath "$(dirname "$0")/..")

# A desktop session offers an X display or a Wayland socket. Without either the toolkit
# can only abort, so say what is missing instead of starting the program.
has_wayland_socket() {
    local socket=${WAYLAND_DISPLAY:-}
    [ -n "$socket" ] || return 1
    [ "${socket:0:1}" = / ] || socket="${XDG_RUNTIME_DIR:-/nonexistent}/$socket"
    [ -S "$socket" ]
}
has_x_display() {
    local display=${DISPLAY:-}
    [ -n "$display" ] || return 1
    # A local display (":N") has its socket in /tmp/.X11-unix; one with a host part (ssh -X)
    # is taken as given.
    [ "${display:0:1}" != : ] || [ -S "/tmp/.X11-unix/X$(sed 's/^:\([0-9]*\).*/\1/' <<<"$display")" ]
}
if ! has_x_display && ! has_wayland_socket; then
    echo "velmora needs a desktop session, and there is no X display or Wayland socket here; to run it on a virtual display anyway: xvfb-run make run (Debian package xvfb)" >&2
    exit 1
fi

case "$list" in
default) words="$root/data/dictionary.txt" ;;
more | game) words="$root/data/$list/dictionary.txt" ;;
*) echo "no word list named '$list': default, more or game" >&2; exit 2 ;;
esac
rundir="$build/run/$list"
mkdir -p "$rundir"
cp "$words" "$rundir/dictionary.txt"
cd "$rundir"
exec "$build/app/velmora"
