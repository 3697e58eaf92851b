// Loading: how the file's bytes become entries, and files that cannot be read at all.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/dictionary.h"
#include "tests/core/temp_folder.h"

using namespace std::string_literals;
using Words = std::vector<std::string>;

TEST(DictionaryLoadTest, SplitsLinesWithTextModeRules) {
    struct Case {
        const char* name;
        std::string bytes;
        Words words;
    };
    const Case cases[] = {
        {"three lines", "CAT\nDOG\nABRACADABRA", {"CAT", "DOG", "ABRACADABRA"}},
        {"final break adds an empty entry", "CAT\nDOG\n", {"CAT", "DOG", ""}},
        {"empty file", "", {""}},
        {"only line breaks", "\n\n", {"", "", ""}},
        {"duplicates kept", "CAT\nCAT", {"CAT", "CAT"}},
        {"taken whole", "AB CD\n cat \n", {"AB CD", " cat ", ""}},
        {"CRLF", "CAT\r\nDOG\r\n", {"CAT", "DOG", ""}},
        {"only CRLFs", "\r\n\r\n", {"", "", ""}},
        {"lone CRs stay", "CA\rT\nDOG\r", {"CA\rT", "DOG\r"}},
        {"only the CR before LF goes", "CAT\r\r\n\rDOG", {"CAT\r", "\rDOG"}},
        {"mixed line ends", "A\r\nB\nC\rD\r\nE", {"A", "B", "C\rD", "E"}},
        {"NUL ends the word", "CAT\0DOG\nEMU"s, {"CAT", "EMU"}},
        {"NUL first", "\0X\r\n\0"s, {"", ""}},
        {"byte 26 ends the file", "CAT\nDO\x1AG\nEMU", {"CAT", "DO"}},
        {"byte 26 after a break", "CAT\n\x1A\nDOG", {"CAT", ""}},
        {"byte 26 first",
         "\x1A"
         "CAT\n",
         {""}},
        {"high bytes kept", "\xC9T\xC9\n\xFF\x80", {"\xC9T\xC9", "\xFF\x80"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadWords(c.bytes), c.words) << c.name;
}

// Lines longer than any read block, breaks split across reads, and a NUL far into a line.
TEST(DictionaryLoadTest, LongLinesAndBreaksAcrossReads) {
    const std::string huge(1'000'000, 'W');
    const std::string justUnder64k(65'535, 'A'); // its CR and LF fall in different reads
    struct Case {
        const char* name;
        std::string bytes;
        Words words;
    };
    const Case cases[] = {
        {"one very long line", huge, {huge}},
        {"very long line, CRLF", huge + "\r\nEND\r\n", {huge, "END", ""}},
        {"CR at the end of a read", justUnder64k + "\r\nEND", {justUnder64k, "END"}},
        {"lone CR at the end of a read", justUnder64k + "\rEND", {justUnder64k + "\rEND"}},
        {"NUL deep in a long line", huge + "\0TAIL"s + huge + "\nEND", {huge, "END"}},
        {"byte 26 deep in the file", huge + "\n" + huge + "\x1A\nEND", {huge, huge}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadWords(c.bytes), c.words) << c.name;
}

TEST(DictionaryLoadTest, ManyLinesOfEveryLength) {
    std::string bytes;
    Words expected;
    for (int i = 0; i < 40'000; ++i) {
        std::string word(static_cast<std::size_t>(i % 23), static_cast<char>('A' + i % 26));
        bytes += word + (i % 3 == 0 ? "\r\n" : "\n");
        expected.push_back(word);
    }
    expected.push_back("");
    EXPECT_EQ(LoadWords(bytes), expected);
}

TEST(DictionaryLoadTest, MissingFileGivesAnEmptyDictionary) {
    CTempFolder folder;
    const CDictionary dictionary((folder.Path() / "dictionary.txt").string().c_str());
    EXPECT_TRUE(dictionary.Entries().empty());
}

// Opening a folder may succeed and then fail on the first read: loading must stop there.
TEST(DictionaryLoadTest, FolderNamedLikeTheFileEndsLoading) {
    CTempFolder folder;
    const auto path = folder.Path() / "dictionary.txt";
    std::filesystem::create_directory(path);
    const CDictionary dictionary(path.string().c_str());
    EXPECT_LE(dictionary.Entries().size(), 1u);
    for (const CWordEntry& entry : dictionary.Entries())
        EXPECT_TRUE(entry.word.IsEmpty());
}
