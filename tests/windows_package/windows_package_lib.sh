# shellcheck shell=bash
# Shared steps of the Windows download tests: a fresh 32-bit Wine prefix of the test's own
# (its wineserver ended when the test ends), the program started under Wine, one Quick solve
# checked against a reference search of the shipped word list. Builds on the end-to-end
# helpers (scratch folder, private X display with openbox, clipboard, bounded waits).

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

WINE=${WINE:-wine}
WINESERVER=${WINESERVER:-wineserver}

# Ends the prefix's wineserver (and with it every Windows process of the test) before the
# end-to-end clean-up removes the scratch folder that holds the prefix.
stop_wine() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    timeout "$E2E_TIMEOUT" "$WINESERVER" -k 2>/dev/null
    timeout "$E2E_TIMEOUT" "$WINESERVER" -w 2>/dev/null
    return 0
}
trap 'stop_wine; cleanup' EXIT

# A fresh prefix for the 32-bit program, made once the desktop is up: Wine's desktop process
# serves the X clipboard and must see the display. No Mono or Gecko install dialogs.
start_wine_prefix() {
    export WINEPREFIX="$E2E_WORK/wineprefix" WINEARCH=win32 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    timeout 120 "$WINE" wineboot -i >"$E2E_WORK/wineboot.log" 2>&1 || fail "wineboot failed"
}

# launch_wine_app FOLDER: starts FOLDER/velmora.exe under Wine in FOLDER, as a double-click
# in Explorer does, and waits for its managed window (the end-to-end launch_app).
launch_wine_app() {
    local launcher="$E2E_WORK/launch-velmora"
    printf '#!/bin/sh\nexec %q velmora.exe\n' "$WINE" >"$launcher"
    chmod +x "$launcher"
    launch_app "$1" "$launcher"
}

# The longest words LETTERS can spell in DICTIONARY (each capital at most as often as in
# LETTERS, four or more characters), alphabetical, joined by single spaces.
longest_words() {
    LC_ALL=C awk -v letters="$1" '
        BEGIN { for (i = 1; i <= length(letters); i++) have[substr(letters, i, 1)]++ }
        length($0) >= 4 {
            split("", used)
            for (i = 1; i <= length($0); i++) {
                c = substr($0, i, 1)
                if (c ~ /[A-Z]/ && ++used[c] > have[c]) next
            }
            if (length($0) > best) { best = length($0); n = 0 }
            if (length($0) == best) found[++n] = $0
        }
        END { for (i = 1; i <= n; i++) print found[i] }' "$2" | LC_ALL=C sort | paste -sd' '
}

# quick_solve_matches LETTERS DICTIONARY: restores the window, puts LETTERS on the clipboard,
# presses Quick solve and waits for the reference answer to come back on the clipboard.
quick_solve_matches() {
    local expected
    expected=$(longest_words "$1" "$2")
    [ -n "$expected" ] || fail "the reference search found no word for $1"
    restore_window
    set_clipboard "$1"
    press_quick_solve
    wait_until "the answer for $1 ($expected) on the clipboard" clipboard_is "$expected"
}

# crlf_only FILE: every line of FILE ends in CR LF.
crlf_only() { ! LC_ALL=C grep -qv $'\r$' "$1" && [ "$(tail -c2 "$1" | od -An -c | tr -d ' ')" = '\r\n' ]; }

# The program's window found by its title alone (a program started through a shortcut is not
# a child of the test); the test's display shows no other.
named_app_window() { xdotool search --all --name '^Velmora$' 2>/dev/null | head -n1 | grep .; }

# wine_program_running NAME: a process of this test's prefix runs NAME (Wine shows a
# Windows program's path as the process's command line).
wine_program_running() {
    local environ
    for environ in /proc/[0-9]*/environ; do
        tr '\0' '\n' 2>/dev/null <"$environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
        tr '\0' ' ' 2>/dev/null <"${environ%environ}cmdline" | grep -qiF "$1" && return 0
    done
    return 1
}
