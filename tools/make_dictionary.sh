#!/usr/bin/env bash
# Makes data/dictionary.txt, Velmora's default word list, from Debian's wamerican package:
# only words made of the letters a to z (so no apostrophes, no capitalised proper nouns and
# no accented words), upper-cased, sorted, without duplicates, one per line with line feeds.
# Also copies the list's licence notice beside it.
#   usage: tools/make_dictionary.sh [OUTPUT_DIR]   (default: data/)
set -euo pipefail
root=$(realpath "$(dirname "$0")/..")
out=${1:-"$root/data"}
source_list=/usr/share/dict/american-english
notice=/usr/share/doc/wamerican/copyright

if [ ! -r "$source_list" ] || [ ! -r "$notice" ]; then
    echo "needs Debian's wamerican package: apt-get install wamerican" >&2
    exit 1
fi

mkdir -p "$out"
# Byte-wise matching and sorting, whatever the user's locale.
export LC_ALL=C
grep -E '^[a-z]+$' "$source_list" | tr 'a-z' 'A-Z' | sort -u >"$out/dictionary.txt.tmp"
mv "$out/dictionary.txt.tmp" "$out/dictionary.txt"
cp "$notice" "$out/LICENSE.wamerican"
echo "$(wc -l <"$out/dictionary.txt") words in $out/dictionary.txt"
