#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, one set for each purpose:
#   tools/install-deps.sh run   what building and running the program needs (make run)
#   tools/install-deps.sh web   what building the page for browsers needs (make web)
#   tools/install-deps.sh web-test  what the page's tests need: the browsers, Node and npm
#   tools/install-deps.sh       everything: also the tests, the benchmarks, the package
#                               checks, the Windows programs and the page (make test and the rest)
# Does nothing when they are all present; uses sudo when not run as root.
set -euo pipefail

# Building and running the program.
run_packages=(
    # the compiler, CMake, and Qt's development package with what the program links
    g++ make cmake pkg-config qt6-base-dev libgl-dev libxcb1-dev
    # the dialog's monospace face ("Courier New" is mapped to Liberation Mono)
    fonts-liberation2 fontconfig
    # a native window in a Wayland session (without it Qt needs XWayland)
    qt6-wayland
)

# Everything else: tests, benchmarks, packaging and the Windows programs.
test_packages=(
    build-essential googletest libgtest-dev libbenchmark-dev
    # fuzzing (libFuzzer comes with clang's runtime)
    clang libclang-rt-dev
    # end-to-end tests: a display, a window manager, keyboard and clipboard tools
    xvfb openbox xdotool xclip x11-utils imagemagick
    # the Wayland end-to-end test: a nested compositor, its clipboard tools
    weston xwayland wl-clipboard
    # the accessibility end-to-end test: a private D-Bus session, the AT-SPI bus, pyatspi
    dbus at-spi2-core python3-pyatspi
    # the default word list, the core tests under valgrind, packaging checks
    wamerican valgrind desktop-file-utils dpkg-dev file lintian appstream
    # the Windows programs (mingw-w64 with posix threads) and their tests under Wine
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64
    # the Windows downloads: the installer's compiler, zip, and unzip for their tests
    nsis zip unzip
)
# Installed without their recommendations: hardening-check, in devscripts, which recommends
# some eighty packages (keyrings, upload and mail tools) that no check here uses; diffoscope,
# which shows why two builds differ when the reproducibility check fails (its recommendations
# are the unpackers of formats the downloads do not use).
lean_test_packages=(devscripts diffoscope-minimal)

# The page for browsers: Emscripten (it brings clang, binaryen and Node), CMake, Python for
# its site, gzip and brotli for the site's compressed copies.
web_packages=(emscripten cmake python3 gzip brotli)
# Its tests: the three browser engines (WebKit as WebKitGTK's MiniBrowser, driven over
# WebDriver in a private Xvfb; Mesa's drivers, only recommended, are what it draws with, and
# xclip serves it the X clipboard); Node and npm (below) run puppeteer-core and
# selenium-webdriver. GoogleTest's sources, which the core tests are compiled from for Node.
web_test_packages=(chromium firefox-esr webkit2gtk-driver libgl1-mesa-dri xvfb xclip googletest)

apt_options=(-y)
lean_packages=()
case "${1:-all}" in
run)
    packages=("${run_packages[@]}")
    # Only what the program needs: a first `make run` stays small.
    apt_options+=(--no-install-recommends)
    ;;
web)
    packages=("${web_packages[@]}")
    apt_options+=(--no-install-recommends)
    ;;
web-test)
    packages=("${web_test_packages[@]}")
    apt_options+=(--no-install-recommends)
    ;;
all)
    packages=("${run_packages[@]}" "${test_packages[@]}" "${web_packages[@]}" "${web_test_packages[@]}")
    lean_packages=("${lean_test_packages[@]}")
    # The 32-bit program's tests need the 32-bit Wine, a package of the i386 architecture.
    [ "$(dpkg --print-architecture)" = amd64 ] && packages+=(wine32:i386)
    ;;
*)
    echo "usage: $0 [run|web|web-test|all]" >&2
    exit 2
    ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=() missing_lean=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
# Node and npm by command: a node from elsewhere (its own npm included) does as well, and
# Debian's npm could not be installed beside it.
if [[ "${1:-all}" == web-test || "${1:-all}" == all ]]; then
    command -v node >/dev/null || missing+=(nodejs)
    command -v npm >/dev/null || missing+=(npm)
fi
for p in "${lean_packages[@]}"; do
    installed "$p" || missing_lean+=("$p")
done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_lean[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]} ${missing_lean[*]}"
if [[ " ${missing[*]} " == *:i386\ * ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${sudo[@]}" dpkg --add-architecture i386
fi
"${sudo[@]}" apt-get update
[ ${#missing[@]} -eq 0 ] ||
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install "${apt_options[@]}" "${missing[@]}"
[ ${#missing_lean[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install \
    "${apt_options[@]}" --no-install-recommends "${missing_lean[@]}"
