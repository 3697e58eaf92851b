// The search: which entries qualify for a selection, and the order they come back in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dictionary.h"
#include "tests/core/temp_folder.h"

using Words = std::vector<std::string>;

namespace {

Words Solve(const std::string& dictionaryBytes, const std::string& selection,
            std::vector<CString> results = {}) {
    CTempFolder folder;
    const CDictionary dictionary(folder.Write("dictionary.txt", dictionaryBytes).c_str());
    dictionary.Solve(selection.c_str(), results);
    Words words;
    for (const CString& result : results)
        words.emplace_back(static_cast<const char*>(result));
    return words;
}

} // namespace

TEST(SolveTest, QualifiesAndOrders) {
    struct Case {
        const char* name;
        std::string dictionary;
        std::string selection;
        Words expected;
    };
    const Case cases[] = {
        {"four letters or more",
         "CAT\nACTS\nCAST\nSCAT\nCATS\nTACT\n",
         "TSAC",
         {"ACTS", "CAST", "CATS", "SCAT"}},
        {"longest first",
         "STAINER\nRETAINS\nSTAIN\nTRAIN\nSATIRE",
         "AEINRST",
         {"RETAINS", "STAINER", "SATIRE", "STAIN", "TRAIN"}},
        {"a repeated letter is needed twice", "TACT", "TTAC", {"TACT"}},
        {"non-letters count for nothing", "TACT", "TAC?", {}},
        {"selection order is irrelevant", "TACT", "T?T-CA", {"TACT"}},
        {"lower case selection counts nothing", "CATS", "tsac", {}},
        {"empty selection, capital words", "CATS\nDOGS", "", {}},
        {"no capitals qualify for anything", "1234\nab-cd\nabc\n\n", "", {"ab-cd", "1234"}},
        {"spaces count in the length", "AB CD\nABCD", "DCBA", {"AB CD", "ABCD"}},
        {"duplicates side by side",
         "STAR\nRATS\nSTAR\nARTS",
         "RATS",
         {"ARTS", "RATS", "STAR", "STAR"}},
        {"length before alphabet", "ZZZZ\nABCDE\nABCD", "ZZZZEDCBA", {"ABCDE", "ABCD", "ZZZZ"}},
        {"high bytes after ASCII",
         "\xC9TAT\nzzzz\nZZZZ\n\xE9t\xE9s",
         "ZZZZTTA",
         {"ZZZZ", "zzzz", "\xC9TAT", "\xE9t\xE9s"}},
        {"CRLF lines qualify", "CATS\r\nACTS\r\n", "STAC", {"ACTS", "CATS"}},
        {"empty dictionary file", "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Solve(c.dictionary, c.selection), c.expected) << c.name;
}

TEST(SolveTest, HugeCountsNeverWrapIntoAMatch) {
    const std::string many40k(40'000, 'A');
    const std::string many65k(65'540, 'A'); // would wrap to 4 in 16 bits
    const std::string dictionary = many40k + "\n" + many65k + "\nAAAA";
    EXPECT_EQ(Solve(dictionary, "AAAA"), Words{"AAAA"});
    EXPECT_EQ(Solve(dictionary, std::string(32'767, 'A')), (Words{many65k, many40k, "AAAA"}));
}

TEST(SolveTest, AppendsAfterWhatTheCallerHad) {
    std::vector<CString> results{CString("ZZZZZZ"), CString("KEEP")};
    EXPECT_EQ(Solve("CATS\nACTS\nTACT", "TSAC", results),
              (Words{"ZZZZZZ", "KEEP", "ACTS", "CATS"}));
}

TEST(SolveTest, MissingDictionaryFindsNothing) {
    CTempFolder folder;
    const CDictionary dictionary((folder.Path() / "dictionary.txt").string().c_str());
    std::vector<CString> results;
    dictionary.Solve("", results);
    dictionary.Solve("ABCDEFGHIJKLMNOPQRSTUVWXYZ", results);
    EXPECT_TRUE(results.empty());
}

TEST(SolutionPrecedesTest, IsAStrictOrder) {
    const char* ordered[] = {"AB CD", "ABCDE", "ABCD", "ABCd", "ZZZZ", "\xC9TAT", "CAT", ""};
    for (std::size_t i = 0; i < std::size(ordered); ++i) {
        for (std::size_t j = 0; j < std::size(ordered); ++j)
            EXPECT_EQ(SolutionPrecedes(ordered[i], ordered[j]), i < j)
                << ordered[i] << " vs " << ordered[j];
    }
}
