#!/usr/bin/env bash
# Started in a folder without dictionary.txt, the program still opens its window, and a
# Quick solve that finds nothing leaves the player's clipboard as it was.
VELMORA_BIN=$1
source "$(dirname "$0")/../support/app_window.sh"
source "$(dirname "$0")/../support/clipboard.sh"

start_desktop
start_app ""
restore_window

set_clipboard "aeinrst"
press_quick_solve
# Escape is handled after the Quick solve key, so once the program has ended the command has
# run to completion. Had it taken over the clipboard, the text would have left with it.
xdotool key --clearmodifiers Escape
wait_until "the program to end" app_exited
clipboard_is "aeinrst" || fail "the clipboard changed to '$(clipboard)'"
echo "PASS: no dictionary, the window opens and the clipboard is kept"
