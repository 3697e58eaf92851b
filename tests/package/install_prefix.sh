#!/usr/bin/env bash
# `cmake --install --prefix` to a folder whose name has a space: every file lands under that
# prefix, and the desktop entry names the program and dictionary folder there, with Exec
# quoted as desktop entries require.
BUILD_DIR=$1 SOURCE_DIR=$2 VERSION=$3
source "$(dirname "$0")/package_lib.sh"

prefix="$E2E_WORK/install prefix"
cmake --install "$BUILD_DIR" --prefix "$prefix" >"$E2E_WORK/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$E2E_WORK/install.log")"
check_installed_tree "$prefix"

entry="$prefix/share/applications/velmora.desktop"
[ "$(desktop_value "$entry" Exec)" = "\"$prefix/bin/velmora\"" ] ||
    fail "Exec does not name the installed program: $(desktop_value "$entry" Exec)"
[ "$(desktop_value "$entry" Path)" = "$prefix/share/velmora" ] ||
    fail "Path does not name the installed dictionary folder: $(desktop_value "$entry" Path)"
echo "PASS: install to a prefix of our own"
