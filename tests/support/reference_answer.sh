# shellcheck shell=bash
# What Quick solve and Solve should show, from a search of our own, not the program's
# (reference_answer, reference_solutions): reference_answer.awk, beside this file, which the
# page's tests run too. Needs no other support file.
[ -z "${SUPPORT_REFERENCE_ANSWER_SOURCED:-}" ] || return 0
SUPPORT_REFERENCE_ANSWER_SOURCED=1

REFERENCE_ANSWER_AWK=$(dirname "$(realpath "${BASH_SOURCE[0]}")")/reference_answer.awk

# The answer Quick solve should put on the clipboard for LETTERS (the clipboard's text) and
# DICTIONARY, from a search of our own (reference_answer.awk), not the program's.
reference_answer() {
    LETTERS=$1 LC_ALL=C awk -f "$REFERENCE_ANSWER_AWK" "$2" | LC_ALL=C sort | paste -sd' '
}

# Every word of DICTIONARY the letters LETTERS can spell, as the solutions list shows them
# (longest first, then alphabetical), from the same reference search.
reference_solutions() {
    LETTERS=$1 EVERY_LENGTH=1 LC_ALL=C awk -f "$REFERENCE_ANSWER_AWK" "$2" |
        LC_ALL=C awk '{ print length($0), $0 }' | LC_ALL=C sort -k1,1nr -k2 | cut -d' ' -f2-
}
