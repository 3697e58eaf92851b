#!/usr/bin/env bash
# Escape closes the dialog, and closing the dialog ends the program with status 0.
VELMORA_BIN=$1
source "$(dirname "$0")/../support/app_window.sh"

start_desktop
write_dictionary "$E2E_WORK/words.txt"
start_app "$E2E_WORK/words.txt"
restore_window

escape_ends_program
echo "PASS: Escape ends the program with status 0"
