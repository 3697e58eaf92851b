# shellcheck shell=bash
# Shared checks for the packaging tests: what an install must hold, and how to read its
# desktop entry. Builds on the end-to-end helpers (scratch folder, cleanup, bounded waits,
# the private X display). Sourced by the scenario scripts after they set SOURCE_DIR and VERSION.

source "$(dirname "${BASH_SOURCE[0]}")/../support/app_window.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/clipboard.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../support/reference_answer.sh"

# Every file an install holds, relative to its prefix: nothing more, nothing less.
INSTALLED_FILES=(
    bin/velmora
    share/applications/velmora.desktop
    share/doc/velmora/build-record.txt
    share/doc/velmora/changelog.gz
    share/doc/velmora/copyright
    share/icons/hicolor/16x16/apps/velmora.png
    share/icons/hicolor/32x32/apps/velmora.png
    share/icons/hicolor/48x48/apps/velmora.png
    share/lintian/overrides/velmora
    share/man/man6/velmora.6.gz
    share/metainfo/org.example.velmora.metainfo.xml
    share/velmora/LICENSE.scowl-readme
    share/velmora/LICENSE.wamerican
    share/velmora/dictionary.txt
    share/velmora/game/LICENSE.scowl
    share/velmora/game/LICENSE.scowl-readme
    share/velmora/game/dictionary.txt
    share/velmora/more/LICENSE.scowl
    share/velmora/more/LICENSE.scowl-readme
    share/velmora/more/dictionary.txt
)
# Each word list's file, relative to share/velmora and to data/ (the same path in both).
WORD_LIST_FILES=(dictionary.txt LICENSE.wamerican LICENSE.scowl-readme
                 {more,game}/{dictionary.txt,LICENSE.scowl,LICENSE.scowl-readme})

# desktop_value FILE KEY [GROUP]: the raw value of KEY in GROUP ([Desktop Entry] by default).
desktop_value() {
    local group=${3:-Desktop Entry}
    sed -n '/^\['"$group"'\]/,/^\[/ s/^'"$2"'=//p' "$1" | head -n1
}

# desktop_exec_arguments EXEC: the command line of an Exec value as a desktop splits it, one
# argument per line: the string escapes undone (\s, \n, \t, \r, \\), then split at blanks
# outside double quotes, where a backslash takes the next character literally; %% is a %.
desktop_exec_arguments() {
    EXEC=$1 awk 'BEGIN {
        value = ENVIRON["EXEC"]
        for (i = 1; i <= length(value); i++) {
            c = substr(value, i, 1)
            if (c == "\\") {
                c = substr(value, ++i, 1)
                c = c == "s" ? " " : c == "n" ? "\n" : c == "t" ? "\t" : c == "r" ? "\r" : c
            }
            text = text c
        }
        for (i = 1; i <= length(text); i++) {
            c = substr(text, i, 1)
            if (quoted && c == "\\") { argument = argument substr(text, ++i, 1); continue }
            if (c == "\"") { quoted = !quoted; started = 1; continue }
            if (!quoted && (c == " " || c == "\t")) {
                if (started) print argument
                argument = ""; started = 0; continue
            }
            if (c == "%" && substr(text, i + 1, 1) == "%") i++
            argument = argument c; started = 1
        }
        if (started) print argument
    }'
}

# check_installed_tree PREFIX: the files under PREFIX are the expected ones, with the
# expected contents; the desktop entry passes desktop-file-validate and the AppStream metadata
# appstreamcli, both without a warning; the changelog and the metadata's newest release are
# VERSION; the copyright file is machine-readable.
check_installed_tree() {
    local prefix=$1 size actual expected metainfo report data list
    actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
    expected=$(printf '%s\n' "${INSTALLED_FILES[@]}" | LC_ALL=C sort)
    [ "$actual" = "$expected" ] ||
        fail "installed files differ from the expected ones:$(diff <(echo "$expected") <(echo "$actual"))"
    [ -x "$prefix/bin/velmora" ] || fail "bin/velmora is not executable"
    for data in "${WORD_LIST_FILES[@]}"; do
        cmp -s "$SOURCE_DIR/data/$data" "$prefix/share/velmora/$data" ||
            fail "share/velmora/$data differs from data/$data"
    done
    # Only capitals are matched: a list in any other letters would match every selection.
    for list in dictionary.txt {more,game}/dictionary.txt; do
        ! LC_ALL=C grep -qvxE '[A-Z]+' "$prefix/share/velmora/$list" ||
            fail "share/velmora/$list has a line of anything but the capitals A to Z"
    done
    for size in 16 32 48; do
        file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png" |
            grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
            fail "the ${size}x${size} icon is not a $size-pixel RGBA PNG"
    done
    check_desktop_entry "$prefix/share/applications/velmora.desktop"

    metainfo=$prefix/share/metainfo/org.example.velmora.metainfo.xml
    report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
        fail "appstreamcli rejects the AppStream metadata: $report"
    echo "appstreamcli validate: $report"
    grep -q '<launchable type="desktop-id">velmora.desktop</launchable>' "$metainfo" ||
        fail "the AppStream metadata does not launch velmora.desktop"
    [ "$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1)" = "<release version=\"$VERSION\"" ] ||
        fail "the AppStream metadata's newest release is not $VERSION"
    [ "$(gzip -dc "$prefix/share/doc/velmora/changelog.gz" | dpkg-parsechangelog -l - -S Version)" = "$VERSION" ] ||
        fail "the changelog's newest entry is not $VERSION"
    check_dep5_copyright "$prefix/share/doc/velmora/copyright"
}

# check_dep5_copyright FILE: FILE is a machine-readable copyright file: paragraphs of fields and
# continuation lines (a licence text's empty line written as " ."), the first naming the format,
# each Files paragraph with Copyright and License, and a licence text for every licence named.
check_dep5_copyright() {
    local report
    report=$(awk '
        function end_paragraph() {
            if (paragraphs == 1 && !("Format" in field)) print "the first paragraph has no Format"
            if (("Files" in field) && !(("Copyright" in field) && ("License" in field)))
                print "the Files paragraph for " field["Files"] " lacks Copyright or License"
            if (("License" in field) && licence_text) has_text[field["License"]] = 1
            else if ("License" in field) named[field["License"]] = NR
            split("", field); licence_text = 0; open = 0
        }
        /^$/ { if (open) end_paragraph(); next }
        /^[ \t]/ {
            if (!open) print "line " NR " continues no field"
            if (key == "License") licence_text = 1
            next
        }
        /^[A-Za-z][A-Za-z-]*:/ {
            if (!open) { open = 1; paragraphs++ }
            key = substr($0, 1, index($0, ":") - 1)
            value = substr($0, index($0, ":") + 1); sub(/^[ \t]+/, "", value)
            field[key] = value
            next
        }
        { print "line " NR " is neither a field nor a continuation: " $0 }
        END {
            if (open) end_paragraph()
            for (name in named) if (!(name in has_text)) print "no licence text for " name
        }' "$1")
    [ -z "$report" ] || fail "$1 is not a machine-readable copyright file: $report"
}

check_desktop_entry() {
    local report
    report=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate rejects the entry: $report"
    ! grep -qE ': (error|warning):' <<<"$report" || fail "desktop-file-validate warns: $report"
    [ "$(desktop_value "$1" Name)" = Velmora ] || fail "the entry's Name is not Velmora"
    [ "$(desktop_value "$1" Icon)" = velmora ] || fail "the entry's Icon is not velmora"
    [ "$(desktop_value "$1" Type)" = Application ] || fail "the entry's Type is not Application"
    [ "$(desktop_value "$1" Actions)" = "more;game;" ] || fail "the entry's Actions are not more and game"
    [ "$(desktop_value "$1" Name "Desktop Action more")" = "More words" ] ||
        fail "the action 'more' is not named More words"
    [ "$(desktop_value "$1" Name "Desktop Action game")" = "Word-game words" ] ||
        fail "the action 'game' is not named Word-game words"
}

# Letters whose longest words are 7 letters long in the default list (DENTURE TENURED TOURNEY),
# 8 in more/ (DEUTERON) and 9 in game/ (TOURNEYED): each list answers them differently.
WORD_LIST_SELECTION=DEENORTUY

# check_launcher ENTRY GROUP FOLDER LENGTH: GROUP's Exec, started in the entry's Path as a
# desktop starts it (GLib runs an action there too), runs the program in FOLDER, and a Quick
# solve there answers from FOLDER's list, with words of LENGTH letters. The program then ends
# on Escape.
check_launcher() {
    local entry=$1 group=$2 folder=$3 length=$4 arguments expected first
    mapfile -t arguments < <(desktop_exec_arguments "$(desktop_value "$entry" Exec "$group")")
    launch_app "$(desktop_value "$entry" Path)" "${arguments[@]}"
    [ "$(readlink "/proc/$APP_PID/cwd")" = "$(realpath "$folder")" ] ||
        fail "[$group] started the program in $(readlink "/proc/$APP_PID/cwd"), not $folder"
    expected=$(reference_answer "$WORD_LIST_SELECTION" "$folder/dictionary.txt")
    first=${expected%% *}
    [ "${#first}" -eq "$length" ] ||
        fail "the longest words for $WORD_LIST_SELECTION in $folder are not $length letters: $expected"
    restore_window
    set_clipboard "$WORD_LIST_SELECTION"
    press_quick_solve
    wait_until "[$group]'s answer from $folder ($expected) on the clipboard" clipboard_is "$expected"
    xdotool windowactivate --sync "$APP_WINDOW" || fail "could not activate the window"
    escape_ends_program
    echo "[$group]: $expected from $folder"
}
