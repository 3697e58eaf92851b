// Dictionary files no one should write but someone will: huge, binary or pathological.
// Each loads in bounded time, keeps every line it can, and answers searches correctly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "core/dictionary.h"
#include "tests/core/temp_folder.h"

namespace {

std::vector<std::string> SolveWith(const CDictionary& dictionary, const std::string& selection) {
    std::vector<CString> results;
    dictionary.Solve(selection.c_str(), results);
    return {results.begin(), results.end()};
}

} // namespace

TEST(BadDictionaryTest, TenMegabyteSingleLine) {
    CTempFolder folder;
    std::string line(10u << 20, 'Q');
    line[line.size() / 2] = 'U';
    const CDictionary dictionary(folder.Write("dictionary.txt", line).c_str());

    ASSERT_EQ(dictionary.Entries().size(), 1u);
    EXPECT_EQ(dictionary.Entries().front().word.GetLength(), static_cast<int>(line.size()));
    EXPECT_EQ(SolveWith(dictionary, "QU"), std::vector<std::string>{});
    // Its Q count saturates, so only a selection as rich in Q matches it.
    EXPECT_EQ(SolveWith(dictionary, std::string(40'000, 'Q') + "U").size(), 1u);
}

TEST(BadDictionaryTest, MillionLines) {
    CTempFolder folder;
    std::string bytes;
    for (int i = 0; i < 1'000'000; ++i)
        bytes += (i % 1000 == 0) ? "STAR\n" : "ZZZZZ\n";
    const CDictionary dictionary(folder.Write("dictionary.txt", bytes).c_str());

    EXPECT_EQ(dictionary.Entries().size(), 1'000'001u); // the final break adds an empty entry
    const auto found = SolveWith(dictionary, "RATS");
    EXPECT_EQ(found.size(), 1000u);
    EXPECT_TRUE(std::all_of(found.begin(), found.end(), [](auto& w) { return w == "STAR"; }));
}

// Random bytes of every value: one entry per line feed before the first byte 26, plus one,
// and every word returned really qualifies.
TEST(BadDictionaryTest, RandomBinaryData) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        std::string bytes(64 * 1024, '\0');
        for (char& b : bytes)
            b = static_cast<char>(byte(random));
        // Byte 26 would end most files within a few hundred bytes: place it on purpose.
        std::replace(bytes.begin(), bytes.end(), '\x1A', '\x1B');
        if (round % 2 == 1)
            bytes[bytes.size() * 3 / 4] = '\x1A';
        CTempFolder folder;
        const CDictionary dictionary(folder.Write("dictionary.txt", bytes).c_str());

        const std::string kept = bytes.substr(0, bytes.find('\x1A'));
        const auto lines = static_cast<std::size_t>(std::count(kept.begin(), kept.end(), '\n'));
        EXPECT_EQ(dictionary.Entries().size(), lines + 1) << "round " << round;
        for (const std::string& word : SolveWith(dictionary, "ETAOIN"))
            EXPECT_GE(word.size(), 4u);
    }
}
