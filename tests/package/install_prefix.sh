#!/usr/bin/env bash
# `cmake --install --prefix` to a folder whose name has a space: every file lands under that
# prefix, and the desktop entry names the program and dictionary folder there, with Exec
# quoted as desktop entries require. Each launcher of the entry (the entry itself and its
# actions) is then run as a desktop runs it, and answers from its own word list.
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

start_desktop
check_launcher "$entry" "Desktop Entry" "$prefix/share/velmora" 7
check_launcher "$entry" "Desktop Action more" "$prefix/share/velmora/more" 8
check_launcher "$entry" "Desktop Action game" "$prefix/share/velmora/game" 9
echo "PASS: install to a prefix of our own, started with each word list"
