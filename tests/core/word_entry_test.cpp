// Letter counting, its saturation, and the count comparison the search runs per entry.
#include "core/word_entry.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/count_fit.h"

namespace {

LetterCounts CountsOf(const std::string& text) {
    LetterCounts counts;
    counts.fill(-1); // CountLetters must clear what was there
    CountLetters(text.c_str(), counts);
    return counts;
}

LetterCounts Expected(const std::map<char, int>& letters) {
    LetterCounts counts{};
    for (const auto& [letter, count] : letters)
        counts[static_cast<std::size_t>(letter - 'A')] = static_cast<std::int16_t>(count);
    return counts;
}

} // namespace

TEST(CountLettersTest, CountsOnlyCapitalLetters) {
    struct Case {
        std::string text;
        LetterCounts expected;
    };
    const Case cases[] = {
        {"", Expected({})},
        {"ABRACADABRA", Expected({{'A', 5}, {'B', 2}, {'R', 2}, {'C', 1}, {'D', 1}})},
        {"CAN'T STOP",
         Expected({{'C', 1}, {'A', 1}, {'N', 1}, {'T', 2}, {'S', 1}, {'O', 1}, {'P', 1}})},
        {"abracadabra", Expected({})},
        {"0123456789", Expected({})},
        {"@[`{", Expected({})}, // the neighbours of A, Z, a and z
        {"\xC1\xC9\xDA\xFFZ\x80", Expected({{'Z', 1}})},
        {"AZAZ", Expected({{'A', 2}, {'Z', 2}})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountsOf(c.text), c.expected) << c.text;
}

TEST(CountLettersTest, SaturatesInsteadOfWrapping) {
    // 65,540 would wrap to 4 in 16 bits and 40,000 to a negative count.
    for (const int repeats : {32'767, 32'768, 40'000, 65'540}) {
        const LetterCounts counts =
            CountsOf(std::string(static_cast<std::size_t>(repeats), 'A') + "B");
        EXPECT_EQ(counts[0], 32'767) << repeats;
        EXPECT_EQ(counts[1], 1) << repeats;
    }
}

TEST(CountsFitWithinTest, EveryLetterMustBeCovered) {
    struct Case {
        const char* word;
        const char* selection;
        bool fits;
    };
    // Letters across all four compared lanes: A (first), H/I (first lane edge), Q/R/S (the
    // overlapping lanes) and Z (last).
    const Case cases[] = {
        {"", "", true},     {"CATS", "TSAC", true}, {"TACT", "TAC", false}, {"TACT", "TTAC", true},
        {"HI", "IH", true}, {"HII", "IH", false},   {"QRS", "SRQ", true},   {"QRSS", "SRQ", false},
        {"Z", "", false},   {"ZZ", "ZA", false},    {"AZ", "ZA", true},     {"", "XYZ", true},
    };
    for (const Case& c : cases) {
        const LetterCounts word = CountsOf(c.word);
        const LetterCounts selection = CountsOf(c.selection);
        EXPECT_EQ(CountsFitWithin(word, selection), c.fits) << c.word << " in " << c.selection;
        EXPECT_EQ(CountsFitWithinPortable(word, selection), c.fits) << c.word;
        // The quick test on the summaries never turns away a word that fits.
        EXPECT_EQ(LetterSummary(word), LetterSummaryPortable(word)) << c.word;
        if (c.fits) {
            EXPECT_EQ(LetterSummary(word) & ~LetterSummary(selection), 0u) << c.word;
        }
    }
}

TEST(CountsFitWithinTest, EachSingleLetterShortfallIsSeen) {
    const std::string all = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t missing = 0; missing < all.size(); ++missing) {
        std::string selection = all;
        selection.erase(missing, 1);
        EXPECT_FALSE(CountsFitWithin(CountsOf(all), CountsOf(selection))) << all[missing];
        EXPECT_FALSE(CountsFitWithinPortable(CountsOf(all), CountsOf(selection))) << all[missing];
        EXPECT_NE(LetterSummary(CountsOf(all)) & ~LetterSummary(CountsOf(selection)), 0u)
            << all[missing];
        EXPECT_NE(LetterSummary(CountsOf(all + all[missing])) & ~LetterSummary(CountsOf(all)), 0u)
            << all[missing] << " twice";
    }
    EXPECT_TRUE(CountsFitWithin(CountsOf(all), CountsOf(all)));
}
