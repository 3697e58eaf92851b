# shellcheck shell=bash
# Shared checks for the packaging tests: what an install must hold, and how to read its
# desktop entry. Builds on the end-to-end helpers (scratch folder, cleanup, bounded waits,
# the private X display). Sourced by the scenario scripts after they set SOURCE_DIR.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

# Every file an install holds, relative to its prefix: nothing more, nothing less.
INSTALLED_FILES=(
    bin/velmora
    share/applications/velmora.desktop
    share/icons/hicolor/16x16/apps/velmora.png
    share/icons/hicolor/32x32/apps/velmora.png
    share/icons/hicolor/48x48/apps/velmora.png
    share/velmora/LICENSE.wamerican
    share/velmora/dictionary.txt
)

# desktop_value FILE KEY: the raw value of KEY in the [Desktop Entry] group.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/ s/^'"$2"'=//p' "$1" | head -n1
}

# check_installed_tree PREFIX: the files under PREFIX are the expected ones, with the
# expected contents, and the desktop entry passes desktop-file-validate without a warning.
check_installed_tree() {
    local prefix=$1 size actual expected
    actual=$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
    expected=$(printf '%s\n' "${INSTALLED_FILES[@]}" | LC_ALL=C sort)
    [ "$actual" = "$expected" ] ||
        fail "installed files differ from the expected ones:$(diff <(echo "$expected") <(echo "$actual"))"
    [ -x "$prefix/bin/velmora" ] || fail "bin/velmora is not executable"
    for data in dictionary.txt LICENSE.wamerican; do
        cmp -s "$SOURCE_DIR/data/$data" "$prefix/share/velmora/$data" ||
            fail "share/velmora/$data differs from data/$data"
    done
    for size in 16 32 48; do
        file -b "$prefix/share/icons/hicolor/${size}x${size}/apps/velmora.png" |
            grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
            fail "the ${size}x${size} icon is not a $size-pixel RGBA PNG"
    done
    check_desktop_entry "$prefix/share/applications/velmora.desktop"
}

check_desktop_entry() {
    local report
    report=$(desktop-file-validate "$1" 2>&1) || fail "desktop-file-validate rejects the entry: $report"
    ! grep -qE ': (error|warning):' <<<"$report" || fail "desktop-file-validate warns: $report"
    [ "$(desktop_value "$1" Name)" = Velmora ] || fail "the entry's Name is not Velmora"
    [ "$(desktop_value "$1" Icon)" = velmora ] || fail "the entry's Icon is not velmora"
    [ "$(desktop_value "$1" Type)" = Application ] || fail "the entry's Type is not Application"
}
