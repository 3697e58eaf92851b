#!/usr/bin/env bash
# The portable download: unzipped into a folder of its own (a name with a space), it holds
# exactly the program, the default word list, the licences and a CRLF README.txt, and the
# program started there under Wine (in a prefix of its own, tests/wine/in_wine_prefix.sh)
# solves with the shipped list.
#   zip_package.sh ZIP SOURCE_DIR
ZIP=$1 SOURCE_DIR=$2
source "$(dirname "$0")/windows_package_lib.sh"

[ -f "$ZIP" ] || fail "no $ZIP: run make windows-package"
folder="$E2E_WORK/Velmora portable"
unzip -q "$ZIP" -d "$folder" || fail "unzip failed"
actual=$(list_folder "$folder")
expected="LICENSE.txt LICENSE.wamerican.txt README.txt dictionary.txt velmora.exe"
[ "$actual" = "$expected" ] || fail "the zip holds '$actual', not '$expected'"

cmp -s "$SOURCE_DIR/data/dictionary.txt" "$folder/dictionary.txt" ||
    fail "dictionary.txt differs from data/dictionary.txt"
for notice in LICENSE:LICENSE.txt data/LICENSE.wamerican:LICENSE.wamerican.txt; do
    cmp -s <(sed 's/$/\r/' "$SOURCE_DIR/${notice%%:*}") "$folder/${notice#*:}" ||
        fail "${notice#*:} is not ${notice%%:*} with CRLF line ends"
done
crlf_only "$folder/README.txt" || fail "README.txt does not have CRLF line ends throughout"
grep -q 'dictionary\.txt' "$folder/README.txt" || fail "README.txt does not mention dictionary.txt"
file -b "$folder/velmora.exe" | grep -q '^PE32 executable (GUI) Intel 80386' ||
    fail "velmora.exe is not a 32-bit GUI program: $(file -b "$folder/velmora.exe")"

start_desktop
VELMORA_LAUNCH=${VELMORA_LAUNCH:-$WINE_TESTS/in_wine_prefix.sh}
launch_app "$folder" "$folder/velmora.exe"
quick_solve_matches AEINRST "$folder/dictionary.txt"
echo "PASS: the zip unpacks and its program solves with the shipped list"
