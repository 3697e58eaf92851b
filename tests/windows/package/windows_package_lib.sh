# shellcheck shell=bash
# Shared steps of the Windows download tests, on the end-to-end helpers (scratch folder,
# private X display with openbox, launcher, clipboard, reference search, bounded waits):
# a Wine prefix of the test's own whose wineserver ends with the test, the files both
# downloads ship, and one Quick solve checked against the reference search of a shipped list.

source "$(dirname "${BASH_SOURCE[0]}")/../../support/app_window.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../support/clipboard.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../support/reference_answer.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../support/wine/wine_loader.sh"

WINESERVER=${WINESERVER:-wineserver}
WINE_TESTS=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../support/wine")
E2E_LAUNCH_TIMEOUT=${E2E_LAUNCH_TIMEOUT:-180}  # a launch may first make a Wine prefix

# Ends the prefix's wineserver (and with it every Windows process of the test) before the
# end-to-end clean-up removes the scratch folder that holds the prefix.
source "$WINE_TESTS/end_wine_prefix.sh"
stop_wine() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    end_wine_prefix
    return 0
}
trap 'stop_wine; cleanup' EXIT

# Sets WINE, the Wine command that runs PROGRAM here (one from the environment is kept); where
# none can (wine_loader.sh), the test ends with what it checked so far, after saying that the
# rest was skipped.
wine_runs_or_stop() {
    local status=0
    choose_wine "$1" 2>/dev/null || status=$?
    [ $status -ne "$WINE_SKIPPED" ] || { echo "checked without Wine: $(basename "$1")"; exit 0; }
    [ $status -eq 0 ] || fail "cannot run $1 under Wine"
    WINE=$WINE_COMMAND
}

# A fresh prefix as wide as the program (WINEARCH, from choose_wine), made once the desktop is
# up: Wine's desktop process serves the X clipboard and must see the display. No Mono or Gecko.
start_wine_prefix() {
    export WINEPREFIX="$E2E_WORK/wineprefix" WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    timeout 120 "$WINE" wineboot -i >"$E2E_WORK/wineboot.log" 2>&1 || fail "wineboot failed"
}

# quick_solve_matches LETTERS DICTIONARY: restores the window, puts LETTERS on the clipboard,
# presses Quick solve and waits for the reference answer to come back on the clipboard.
quick_solve_matches() {
    local expected
    expected=$(reference_answer "$1" "$2")
    [ -n "$expected" ] || fail "the reference search found no word for $1"
    restore_window
    set_clipboard "$1"
    press_quick_solve
    wait_until "the answer for $1 ($expected) on the clipboard" clipboard_is "$expected"
}

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

# pe_width DOWNLOAD: objdump's PE_FORMAT and PE_MAGIC for a -win64 or a -win32 download.
pe_width() {
    PE_FORMAT=pei-i386 PE_MAGIC=010b
    [[ $1 != *-win64[.-]* ]] || PE_FORMAT=pei-x86-64 PE_MAGIC=020b
}

# list_folder FOLDER: the names in FOLDER, sorted, on one line.
list_folder() { (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | paste -sd' '); }

# crlf_only FILE: every line of FILE ends in CR LF.
crlf_only() { ! LC_ALL=C grep -qv $'\r$' "$1" && [ "$(tail -c2 "$1" | od -An -c | tr -d ' ')" = '\r\n' ]; }

# What both downloads hold besides the program (and the installer's uninstaller), as
# list_folder prints it: the default list and two more in folders of their own.
SHIPPED_FILES="BUILD-RECORD.txt LICENSE.scowl-readme.txt LICENSE.txt LICENSE.wamerican.txt More words \
More words/LICENSE.scowl-readme.txt More words/LICENSE.scowl.txt More words/dictionary.txt \
README.txt Word-game words Word-game words/LICENSE.scowl-readme.txt \
Word-game words/LICENSE.scowl.txt Word-game words/dictionary.txt dictionary.txt"

# shipped_files_match FOLDER: each word list in FOLDER is data/'s as it is, each licence
# notice is its source with CRLF line ends. Needs SOURCE_DIR.
shipped_files_match() {
    local file
    for file in "dictionary.txt:data/dictionary.txt" \
        "More words/dictionary.txt:data/more/dictionary.txt" \
        "Word-game words/dictionary.txt:data/game/dictionary.txt"; do
        cmp -s "$SOURCE_DIR/${file#*:}" "$1/${file%%:*}" || fail "${file%%:*} is not ${file#*:}"
    done
    for file in "LICENSE.txt:LICENSE" "LICENSE.wamerican.txt:data/LICENSE.wamerican" \
        "LICENSE.scowl-readme.txt:data/LICENSE.scowl-readme" \
        "More words/LICENSE.scowl.txt:data/more/LICENSE.scowl" \
        "More words/LICENSE.scowl-readme.txt:data/more/LICENSE.scowl-readme" \
        "Word-game words/LICENSE.scowl.txt:data/game/LICENSE.scowl" \
        "Word-game words/LICENSE.scowl-readme.txt:data/game/LICENSE.scowl-readme"; do
        cmp -s <(sed 's/$/\r/' "$SOURCE_DIR/${file#*:}") "$1/${file%%:*}" ||
            fail "${file%%:*} is not ${file#*:} with CRLF line ends"
    done
}
