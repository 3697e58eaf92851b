#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Velmora need.
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

packages=(
    # build
    build-essential cmake pkg-config qt6-base-dev libgl-dev libxcb1-dev
    googletest libgtest-dev libbenchmark-dev
    # fuzzing (libFuzzer comes with clang's runtime)
    clang libclang-rt-dev
    # the dialog's monospace face ("Courier New" is mapped to Liberation Mono)
    fonts-liberation2 fontconfig
    # end-to-end tests: a display, a window manager, keyboard and clipboard tools
    xvfb openbox xdotool xclip x11-utils imagemagick
    # the Wayland end-to-end test: a nested compositor, its clipboard tools, Qt's platform
    weston xwayland wl-clipboard qt6-wayland
    # the default word list, the core tests under valgrind, packaging checks
    wamerican valgrind desktop-file-utils dpkg-dev file
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
