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
    wamerican valgrind desktop-file-utils dpkg-dev file lintian appstream
    # the Windows programs (mingw-w64 with posix threads) and their tests under Wine
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64
    # the Windows downloads: the installer's compiler, and unzip for their tests
    nsis unzip
)
# The 32-bit program needs the 32-bit Wine, a package of the i386 architecture.
[ "$(dpkg --print-architecture)" = amd64 ] && packages+=(wine32:i386)

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
if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${missing[@]}"
