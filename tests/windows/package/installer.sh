#!/usr/bin/env bash
# The installer in a fresh Wine prefix: a silent install puts the program, the word lists,
# the licences and the uninstaller into Program Files\Velmora, a shortcut per list into the
# all-users Start menu and the Add/Remove Programs entry into the registry; the program
# started through the default shortcut and through the word-game one solves with that
# shortcut's list; the silent uninstall then removes everything it installed and leaves a
# file the user put into the folder.
#   installer.sh SETUP SOURCE_DIR VERSION
SETUP=$1 SOURCE_DIR=$2 VERSION=$3
source "$(dirname "$0")/windows_package_lib.sh"

[ -f "$SETUP" ] || fail "no $SETUP: run make windows-package"
carries_version() { strings -el "$1" | grep -qxF "$VERSION"; }
carries_version "$SETUP" || fail "the installer carries no version $VERSION"
pe_width "$SETUP" # made with NSIS's stub as wide as the program: it decides the install folder
grep -qE "^Magic[[:space:]]+$PE_MAGIC" <<<"$(x86_64-w64-mingw32-objdump -p "$SETUP")" ||
    fail "the installer is no $PE_FORMAT program"

install_dir='C:\Program Files\Velmora'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
shortcut="$menu\Velmora.lnk" game_shortcut="$menu\Velmora (Word-game words).lnk"

wine_runs_or_stop "$SETUP"
start_desktop
start_wine_prefix
unix_dir="$WINEPREFIX/drive_c/Program Files/Velmora"
unix_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"

# Wine waits for the installer, which does not copy itself away.
timeout 120 "$WINE" "$SETUP" /S >"$E2E_WORK/setup.log" 2>&1 || fail "the silent install failed"
actual=$(list_folder "$unix_dir")
expected="$SHIPPED_FILES uninstall.exe velmora.exe"
[ "$actual" = "$expected" ] || fail "Program Files\\Velmora holds '$actual', not '$expected'"
shipped_files_match "$unix_dir"
carries_version "$unix_dir/uninstall.exe" || fail "the uninstaller carries no version $VERSION"
# One shortcut per list, side by side, each with its list's folder as its working folder (a
# Unicode shell link holds it in UTF-16, after its length, which may read as a character).
velmora_shortcuts() {
    find "$unix_menu" -name 'Velmora*' -printf '%f\n' | LC_ALL=C sort | paste -sd,
}
shortcuts="Velmora (More words).lnk,Velmora (Word-game words).lnk,Velmora.lnk"
[ "$(velmora_shortcuts)" = "$shortcuts" ] ||
    fail "the Start menu holds '$(velmora_shortcuts)', not '$shortcuts'"
starts_in() {
    strings -el "$unix_menu/$1" | grep -o 'C:\\.*' | grep -qxF "$2" ||
        fail "the shortcut $1 does not start in $2"
}
starts_in Velmora.lnk "$install_dir"
starts_in "Velmora (More words).lnk" "$install_dir\\More words"
starts_in "Velmora (Word-game words).lnk" "$install_dir\\Word-game words"

# reg_value NAME: the data of NAME in the uninstall key, as `reg query` prints it.
reg_value() {
    "$WINE" reg query "$key" /reg:${WINEARCH#win} /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
check_value() {
    local actual
    actual=$(reg_value "$1")
    [ "$actual" = "$2" ] || fail "the uninstall entry's $1 is '$actual', not '$2'"
}
check_value DisplayName Velmora
check_value DisplayVersion "$VERSION"
check_value Publisher "The Velmora developers"
check_value DisplayIcon "$install_dir\\velmora.exe,0"
check_value UninstallString "\"$install_dir\\uninstall.exe\""
check_value QuietUninstallString "\"$install_dir\\uninstall.exe\" /S"

# Started as the Start menu starts it, from a folder without a word list: only the
# shortcut's working folder leads the program to the installed dictionary.txt.
VELMORA_LAUNCH="$E2E_WORK/open-in-prefix"
printf '#!/bin/sh\nexec %q start "$1"\n' "$WINE" >"$VELMORA_LAUNCH"
chmod +x "$VELMORA_LAUNCH"
# The uninstaller cannot remove a program that still runs: each start is ended, and its
# process waited for, before the next.
velmora_ended() { ! wine_program_running velmora.exe; }
end_velmora() {
    wine_program_running velmora.exe || fail "no process of the prefix runs velmora.exe"
    xdotool key --clearmodifiers Escape
    wait_until "the program to end" velmora_ended
}
launch_app "$E2E_WORK" "$shortcut"
quick_solve_matches AEINRST "$unix_dir/dictionary.txt"
end_velmora
# Letters whose longest word has 9 letters in the word-game list and fewer in the default one.
game_words="$unix_dir/Word-game words/dictionary.txt"
longest_length() { # LETTERS LIST
    local words
    words=$(reference_answer "$1" "$2")
    words=${words%% *}
    echo ${#words}
}
[ "$(longest_length SBOYHGUOD "$game_words")" = 9 ] &&
    [ "$(longest_length SBOYHGUOD "$unix_dir/dictionary.txt")" -lt 9 ] ||
    fail "SBOYHGUOD no longer finds a longer word in the word-game list than in the default one"
launch_app "$E2E_WORK" "$game_shortcut"
quick_solve_matches SBOYHGUOD "$game_words"
end_velmora

# The documented way to wait for an NSIS uninstaller: run a copy from elsewhere with _?=
# naming the install folder (run in place, it copies itself to a temporary folder and
# returns at once).
# _?= must not be quoted, and Wine quotes an argument with a space in it, so a batch file
# gives the uninstaller its command line as written.
echo "my own words" >"$unix_dir/my-words.txt"
cp "$unix_dir/uninstall.exe" "$E2E_WORK/uninstall-copy.exe"
printf '@"%s" /S _?=%s\r\n@exit /b %%errorlevel%%\r\n' \
    "$("$WINE" winepath -w "$E2E_WORK/uninstall-copy.exe" | tr -d '\r')" "$install_dir" \
    >"$E2E_WORK/uninstall.bat"
(cd "$E2E_WORK" && timeout 120 "$WINE" cmd /c uninstall.bat) >"$E2E_WORK/uninstall.log" 2>&1 ||
    fail "the silent uninstall failed: $(cat "$E2E_WORK/uninstall.log")"
left=$(list_folder "$unix_dir")
[ "$left" = my-words.txt ] || fail "after the uninstall the folder holds '$left', not only the user's file"
[ -z "$(velmora_shortcuts)" ] || fail "the uninstall left the shortcuts $(velmora_shortcuts)"
! "$WINE" reg query "$key" /reg:${WINEARCH#win} >/dev/null 2>&1 ||
    fail "the uninstall left the registry key"
echo "PASS: the installer installs, runs from its shortcuts and uninstalls cleanly"
