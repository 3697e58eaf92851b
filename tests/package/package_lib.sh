# shellcheck shell=bash
# Shared checks for the packaging tests: what an install must hold, and how to read its
# desktop entry. Builds on the end-to-end helpers (scratch folder, cleanup, bounded waits,
# the private X display). Sourced by the scenario scripts after they set SOURCE_DIR and VERSION.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

# Every file an install holds, relative to its prefix: nothing more, nothing less.
INSTALLED_FILES=(
    bin/velmora
    share/applications/velmora.desktop
    share/doc/velmora/changelog.gz
    share/doc/velmora/copyright
    share/icons/hicolor/16x16/apps/velmora.png
    share/icons/hicolor/32x32/apps/velmora.png
    share/icons/hicolor/48x48/apps/velmora.png
    share/lintian/overrides/velmora
    share/man/man6/velmora.6.gz
    share/metainfo/org.example.velmora.metainfo.xml
    share/velmora/LICENSE.wamerican
    share/velmora/dictionary.txt
)

# desktop_value FILE KEY: the raw value of KEY in the [Desktop Entry] group.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/ s/^'"$2"'=//p' "$1" | head -n1
}

# check_installed_tree PREFIX: the files under PREFIX are the expected ones, with the
# expected contents; the desktop entry passes desktop-file-validate and the AppStream metadata
# appstreamcli, both without a warning; the changelog and the metadata's newest release are
# VERSION; the copyright file is machine-readable.
check_installed_tree() {
    local prefix=$1 size actual expected metainfo report
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
}
