#!/usr/bin/env bash
# Makes Velmora's word lists from Debian's SCOWL word-list packages: only words made of the
# letters a to z (so no apostrophes, no capitalised proper nouns and no accented words),
# upper-cased, sorted, without duplicates, one per line with line feeds. Also copies the
# lists' licence notice beside each list, and the copyright and credits of the SCOWL release
# they come from (see data/README.md).
#   usage: tools/make_dictionary.sh [LIST] [OUTPUT_DIR]
#     default  data/dictionary.txt       wamerican (SCOWL size 50), the common words
#     more     data/more/dictionary.txt  wamerican-large + wbritish-large (size 70)
#     game     data/game/dictionary.txt  wamerican-huge + wbritish-huge (size 80, the
#              unusual words people use in word games)
set -euo pipefail
root=$(realpath "$(dirname "$0")/..")
list=${1:-default}
case "$list" in
    default) sources=(american-english); packages=(wamerican); dir=. notice=LICENSE.wamerican ;;
    more) sources=(american-english-large british-english-large)
          packages=(wamerican-large wbritish-large); dir=more notice=LICENSE.scowl ;;
    game) sources=(american-english-huge british-english-huge)
          packages=(wamerican-huge wbritish-huge); dir=game notice=LICENSE.scowl ;;
    *) echo "unknown list '$list': default, more or game" >&2; exit 2 ;;
esac
out=${2:-"$root/data/$dir"}

paths=()
for s in "${sources[@]}"; do paths+=("/usr/share/dict/$s"); done
readme=/usr/share/doc/scowl/README.gz
for p in "${paths[@]}" "/usr/share/doc/${packages[0]}/copyright" "$readme"; do
    if [ ! -r "$p" ]; then
        echo "needs Debian's ${packages[*]} scowl: apt-get install ${packages[*]} scowl" >&2
        exit 1
    fi
done

mkdir -p "$out"
# Byte-wise matching and sorting, whatever the user's locale.
export LC_ALL=C
cat "${paths[@]}" | grep -E '^[a-z]+$' | tr 'a-z' 'A-Z' | sort -u >"$out/dictionary.txt.tmp"
mv "$out/dictionary.txt.tmp" "$out/dictionary.txt"
# Every SCOWL package of these sizes carries the same notice, which covers all their sources.
cp "/usr/share/doc/${packages[0]}/copyright" "$out/$notice"
# That notice dates from 2011; the README of the SCOWL release the lists are made from (the
# same version, in Debian's scowl package) has the current one, with the VarCon notices the
# American and British spellings need. Its section is copied verbatim.
gzip -dc "$readme" | sed -n '/^COPYRIGHT, SOURCES, and CREDITS:$/,/^FUTURE PLANS:$/p' | sed '$d' \
    >"$out/LICENSE.scowl-readme"
grep -q 'Benjamin Titze' "$out/LICENSE.scowl-readme" ||
    { echo "$readme has no copyright section as expected" >&2; exit 1; }
echo "$(wc -l <"$out/dictionary.txt") words in $out/dictionary.txt"
