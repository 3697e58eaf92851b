# The words of the dictionary (the input, one per line) that the letters in the environment
# variable LETTERS can spell, of the greatest such length, one per line, unsorted. Lower-case
# letters count as capitals; only A to Z are matched, each used at most as often as LETTERS
# holds it; any other byte of a word counts towards its length but never limits it. Words of
# fewer than four bytes never count. Run with LC_ALL=C, so a length is a count of bytes.
# With EVERY_LENGTH set in the environment, every word of four or more that fits, as the
# solutions list holds them (unsorted).
BEGIN {
    letters = toupper(ENVIRON["LETTERS"])
    for (i = 1; i <= length(letters); i++)
        available[substr(letters, i, 1)]++
    best = 4
    found = 0
    every = ENVIRON["EVERY_LENGTH"] != ""
}
{
    sub(/\r$/, "")
    if (length($0) < best)
        next
    split("", used)
    for (i = 1; i <= length($0); i++) {
        c = substr($0, i, 1)
        if (c >= "A" && c <= "Z" && ++used[c] > available[c])
            next
    }
    if (!every && length($0) > best) {
        best = length($0)
        found = 0
    }
    words[++found] = $0
}
END {
    for (i = 1; i <= found; i++)
        print words[i]
}
