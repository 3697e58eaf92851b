#include "core/word_entry.h"

#include <limits>
#include <utility>

void CountLetters(const CString& text, LetterCounts& counts) {
    constexpr std::int16_t kMostCount = std::numeric_limits<std::int16_t>::max();
    counts.fill(0);
    const char* bytes = text;
    const int length = text.GetLength();
    for (int i = 0; i < length; ++i) {
        // Bytes below 'A' wrap to large values, so one comparison rejects every non-capital.
        const unsigned slot = static_cast<unsigned char>(bytes[i]) - unsigned{'A'};
        if (slot < counts.size() && counts[slot] < kMostCount)
            ++counts[slot];
    }
}

CWordEntry::CWordEntry(CString text) : word(std::move(text)) {
    CountLetters(word, counts);
}
