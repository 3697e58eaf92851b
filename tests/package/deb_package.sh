#!/usr/bin/env bash
# The .deb of this build: made with CPack into a scratch folder, checked for its metadata and
# files, by lintian (no error, no warning) and by appstreamcli (its AppStream metadata against
# the desktop entry it launches), unpacked with dpkg -x, and its program started the way its
# desktop entry says (in the Path folder, where it finds the packaged dictionary) on a private
# X display. The program must show its window, solve with the packaged word list, and end on
# Escape.
BUILD_DIR=$1 SOURCE_DIR=$2 VERSION=$3
source "$(dirname "$0")/package_lib.sh"

cpack -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$E2E_WORK/cpack" >"$E2E_WORK/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$E2E_WORK/cpack.log")"
debs=("$E2E_WORK"/cpack/*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velmora ] || fail "the package is named $(field Package)"
[ "$(field Version)" = "$VERSION" ] || fail "the package version is $(field Version), not $VERSION"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
grep -qE '(^|, )libqt6widgets6( |,|$)' <<<"$(field Depends)" ||
    fail "Depends does not name the Qt 6 widgets runtime: $(field Depends)"
grep -qE '(^|, )qt6-wayland( |,|$)' <<<"$(field Recommends)" ||
    fail "Recommends does not name qt6-wayland: $(field Recommends)"
for name in Maintainer Section Description; do
    [ -n "$(field "$name")" ] || fail "the package has no $name"
done

# Info and pedantic tags are shown in the log but pass; overrides are listed with their reasons.
lintian --allow-root --fail-on error,warning --display-info --pedantic --show-overrides "$deb" \
    >"$E2E_WORK/lintian.log" 2>&1 || fail "lintian: $(cat "$E2E_WORK/lintian.log")"
echo "lintian: $(cat "$E2E_WORK/lintian.log")"

root="$E2E_WORK/root"
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
[ "$(ls -A "$root")" = usr ] || fail "the package installs outside /usr: $(ls -A "$root")"
check_installed_tree "$root/usr"
# Hardened as with Debian's hardening=+all, the build's program and the packaged (stripped) one;
# control-flow protection only where the C library's start files are marked for it, since the
# linker drops the marking otherwise.
readelf -n "$(gcc -print-file-name=Scrt1.o)" >"$E2E_WORK/crt.notes" || fail "readelf failed"
grep -q 'x86 feature: IBT, SHSTK' "$E2E_WORK/crt.notes" || no_cet=--nocfprotection
# Branch protection (BTI, PAC) is arm64's; Debian 13's hardening-check asks for it everywhere.
# (Its --help exits 1, so it is read whole rather than piped under pipefail.)
if [ "$(dpkg --print-architecture)" != arm64 ] && grep -q nobranchprotection <<<"$(hardening-check --help 2>&1)"; then
    no_bti=--nobranchprotection
fi
for program in "$BUILD_DIR/app/velmora" "$root/usr/bin/velmora"; do
    hardening-check ${no_cet:-} ${no_bti:-} "$program" || fail "hardening-check finds $program unprotected"
done
report=$(appstreamcli validate-tree --no-net --pedantic "$root" 2>&1) ||
    fail "appstreamcli validate-tree: $report"
entry="$root/usr/share/applications/velmora.desktop"
program=$(desktop_value "$entry" Exec)
folder=$(desktop_value "$entry" Path)
[ "$program" = /usr/bin/velmora ] || fail "Exec is $program, not /usr/bin/velmora"
[ "$folder" = /usr/share/velmora ] || fail "Path is $folder, not /usr/share/velmora"
for list in more game; do
    action=$(desktop_value "$entry" Exec "Desktop Action $list")
    [ "$action" = "env --chdir=/usr/share/velmora/$list /usr/bin/velmora" ] ||
        fail "the $list action's Exec is $action"
done

start_desktop
launch_app "$root$folder" "$root$program"
restore_window

letters=LISTEN
expected=$(reference_answer "$letters" "$root$folder/dictionary.txt")
[ -n "$expected" ] || fail "the reference search found no word for $letters"
set_clipboard "$letters"
press_quick_solve
wait_until "the packaged word list's answer ($expected) on the clipboard" clipboard_is "$expected"

xdotool windowactivate --sync "$APP_WINDOW" || fail "could not activate the window"
xdotool key --clearmodifiers Escape
wait_until "the program to end" app_exited
wait "$APP_PID"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status: $(cat "$E2E_WORK/app.log")"
echo "PASS: the .deb installs, validates and runs from its desktop entry"
