// CountsFitWithin: whether a word can be spelled from a selection, judged on their letter
// counts alone (each letter of the selection used at most once).
//
// This is the search's inner test, run once per dictionary entry, so it compares all 26
// counts at once instead of branching per letter: with SSE2 in four 8-lane comparisons, and
// elsewhere with a plain loop the compiler can vectorise. Not for: the length rule or the
// ordering of results (see core/dictionary.h).
#pragma once

#include <cstddef>

#include "core/word_entry.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define VELMORA_COUNT_FIT_SSE2 1
#endif

// True when no count in `need` exceeds the same count in `have`; the portable form.
inline bool CountsFitWithinPortable(const LetterCounts& need, const LetterCounts& have) noexcept {
    bool exceeds = false;
    for (std::size_t letter = 0; letter < need.size(); ++letter)
        exceeds |= need[letter] > have[letter];
    return !exceeds;
}

#ifdef VELMORA_COUNT_FIT_SSE2
// Lanes 0-7, 8-15, 16-23 and 18-25: the last load overlaps so none reads past letter Z.
inline bool CountsFitWithinSse2(const LetterCounts& need, const LetterCounts& have) noexcept {
    const auto lanes = [](const LetterCounts& counts, std::size_t first) {
        return _mm_loadu_si128(reinterpret_cast<const __m128i*>(counts.data() + first));
    };
    __m128i exceeds = _mm_cmpgt_epi16(lanes(need, 0), lanes(have, 0));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(lanes(need, 8), lanes(have, 8)));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(lanes(need, 16), lanes(have, 16)));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(lanes(need, 18), lanes(have, 18)));
    return _mm_movemask_epi8(exceeds) == 0;
}
#endif

inline bool CountsFitWithin(const LetterCounts& need, const LetterCounts& have) noexcept {
#ifdef VELMORA_COUNT_FIT_SSE2
    return CountsFitWithinSse2(need, have);
#else
    return CountsFitWithinPortable(need, have);
#endif
}
