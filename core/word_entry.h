// LetterCounts, CountLetters and CWordEntry: the letter inventory that both sides of a
// search are reduced to, and the dictionary entry that stores a word with its inventory.
//
// Only the capital letters A to Z are counted; every other byte (lower case, digits,
// punctuation, bytes 128 to 255) adds to a word's length but never to its counts. An entry
// is built once, when its line is read, and never changes. Not for: matching or ordering
// (see core/count_fit.h and core/dictionary.h).
#pragma once

#include <array>
#include <cstdint>

#include "framework/cstring.h"

// Element 0 counts A, element 25 counts Z. A count stops at 32,767 instead of wrapping, so
// a very long line can never look as if it needed fewer letters than it does.
using LetterCounts = std::array<std::int16_t, 26>;

// Sets `counts` to the number of each capital letter in `text`.
void CountLetters(const CString& text, LetterCounts& counts);

class CWordEntry {
public:
    // Takes the line as it was read, every byte kept, and counts its letters.
    explicit CWordEntry(CString text);

    CString word;
    LetterCounts counts;
};
