// CountsFitWithin: whether a word can be spelled from a selection, judged on their letter
// counts alone (each letter of the selection used at most once); LetterSummary: a quick
// first test of the same, on 64 bits.
//
// These are the search's inner tests, the summary's for every entry and the counts' for the
// entries it lets through, so each looks at all 26 letters at once instead of branching per
// letter: with SSE2 in 8-lane comparisons, and elsewhere with a plain loop the compiler can
// vectorise. Not for: the length rule or the ordering of results (see core/dictionary.h).
#pragma once

#include <cstddef>
#include <cstdint>

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
// Eight counts from letter `first` on. The SSE2 tests read lanes 0-7, 8-15, 16-23 and 18-25:
// the last load overlaps so none reads past letter Z.
inline __m128i LetterLanes(const LetterCounts& counts, std::size_t first) noexcept {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(counts.data() + first));
}

inline bool CountsFitWithinSse2(const LetterCounts& need, const LetterCounts& have) noexcept {
    __m128i exceeds = _mm_cmpgt_epi16(LetterLanes(need, 0), LetterLanes(have, 0));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(LetterLanes(need, 8), LetterLanes(have, 8)));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(LetterLanes(need, 16), LetterLanes(have, 16)));
    exceeds = _mm_or_si128(exceeds, _mm_cmpgt_epi16(LetterLanes(need, 18), LetterLanes(have, 18)));
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

// Which letters `counts` holds once or more (bits 0 to 25, A first) and twice or more (bits 32
// to 57). A word can fit a selection only if its summary has no bit that the selection's
// lacks, and when both hold each letter at most once that is also enough.
inline std::uint64_t LetterSummaryPortable(const LetterCounts& counts) noexcept {
    std::uint32_t once = 0;
    std::uint32_t twice = 0;
    for (std::size_t letter = 0; letter < counts.size(); ++letter) {
        once |= std::uint32_t{counts[letter] > 0} << letter;
        twice |= std::uint32_t{counts[letter] > 1} << letter;
    }
    return once | std::uint64_t{twice} << 32;
}

#ifdef VELMORA_COUNT_FIT_SSE2
// The same lanes as CountsFitWithinSse2; of the overlapping last one only Y and Z are new.
inline std::uint64_t LetterSummarySse2(const LetterCounts& counts) noexcept {
    const __m128i aToH = LetterLanes(counts, 0), iToP = LetterLanes(counts, 8),
                  qToX = LetterLanes(counts, 16), sToZ = LetterLanes(counts, 18);
    const auto above = [&](__m128i floor) -> std::uint32_t {
        const auto bits = [floor](__m128i low, __m128i high) {
            return static_cast<std::uint32_t>(_mm_movemask_epi8(
                _mm_packs_epi16(_mm_cmpgt_epi16(low, floor), _mm_cmpgt_epi16(high, floor))));
        };
        const std::uint32_t last = bits(qToX, sToZ);
        return bits(aToH, iToP) | (last & 0xFF) << 16 | (last >> 14) << 24;
    };
    return above(_mm_setzero_si128()) | std::uint64_t{above(_mm_set1_epi16(1))} << 32;
}
#endif

inline std::uint64_t LetterSummary(const LetterCounts& counts) noexcept {
#ifdef VELMORA_COUNT_FIT_SSE2
    return LetterSummarySse2(counts);
#else
    return LetterSummaryPortable(counts);
#endif
}
