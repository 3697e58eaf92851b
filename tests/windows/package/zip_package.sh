#!/usr/bin/env bash
# The portable download: unzipped into a folder of its own (a name with a space), it holds
# exactly the program, the default word list, two more in folders of their own, the
# licences and a CRLF README.txt, and the program started there under Wine (in a prefix of
# its own, tests/support/wine/in_wine_prefix.sh) solves with the shipped list.
#   zip_package.sh ZIP SOURCE_DIR PROGRAM (whose resources, read by windres, velmora.exe has)
ZIP=$1 SOURCE_DIR=$2 PROGRAM=$3
source "$(dirname "$0")/windows_package_lib.sh"

[ -f "$ZIP" ] || fail "no $ZIP: run make windows-package"
folder="$E2E_WORK/Velmora portable"
unzip -q "$ZIP" -d "$folder" || fail "unzip failed"
actual=$(list_folder "$folder")
expected="$SHIPPED_FILES velmora.exe"
[ "$actual" = "$expected" ] || fail "the zip holds '$actual', not '$expected'"

shipped_files_match "$folder"
crlf_only "$folder/README.txt" || fail "README.txt does not have CRLF line ends throughout"
for words in 'dictionary\.txt' '"Start in"'; do
    grep -q "$words" "$folder/README.txt" || fail "README.txt does not mention $words"
done
# A GUI program of the download's width, with ASLR it can be moved by (DYNAMIC_BASE and the
# relocations, which stripping must keep) and DEP.
pe_width "$ZIP"
headers=$(x86_64-w64-mingw32-objdump -p -h "$folder/velmora.exe") || fail "objdump cannot read it"
rc() { x86_64-w64-mingw32-windres -i "$1" -O rc; }
resources=$(rc "$folder/velmora.exe")
grep -qx '1 VERSIONINFO' <<<"$resources" && grep -q '^1 24 .*RT_MANIFEST' <<<"$resources" &&
    [ "$resources" = "$(rc "$PROGRAM")" ] || fail "velmora.exe lacks $PROGRAM's resources"
for field in "file format $PE_FORMAT\$" "^Magic[[:space:]]+$PE_MAGIC" '^Subsystem[[:space:]]+00000002' \
    '^[[:space:]]+DYNAMIC_BASE$' '^[[:space:]]+NX_COMPAT$' ' \.reloc '; do
    grep -qE "$field" <<<"$headers" || fail "velmora.exe's headers lack $field: $headers"
done

start_desktop
wine_runs_or_stop "$folder/velmora.exe"
VELMORA_LAUNCH=${VELMORA_LAUNCH:-$WINE_TESTS/in_wine_prefix.sh}
launch_app "$folder" "$folder/velmora.exe"
quick_solve_matches AEINRST "$folder/dictionary.txt"
echo "PASS: the zip unpacks with its lists and its program solves with the default list"
