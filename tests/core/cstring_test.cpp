// CString: both storage forms (up to 15 bytes inside the object, longer on the heap) and
// the moves between them, which is where a small-string layout goes wrong.
#include "framework/cstring.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

static_assert(sizeof(CString) == 16, "a dictionary holds one CString per line");

namespace {

// Texts on both sides of the 15-byte inline limit, and with high and control bytes.
const std::string kTexts[] = {"",
                              "A",
                              "ABCDEFGHIJKLMN",
                              "ABCDEFGHIJKLMNO",
                              "ABCDEFGHIJKLMNOP",
                              "\xC9T\xC9 \xFF\x80\r\t",
                              std::string(1000, 'Q') + "\xE9"};

void ExpectHolds(const CString& text, const std::string& expected) {
    EXPECT_EQ(text.GetLength(), static_cast<int>(expected.size()));
    EXPECT_EQ(std::string(static_cast<const char*>(text)), expected);
    EXPECT_EQ(text.IsEmpty(), expected.empty());
    for (int i = 0; i < text.GetLength(); ++i)
        ASSERT_EQ(text.GetAt(i), expected[static_cast<std::size_t>(i)]) << "at " << i;
}

} // namespace

TEST(CStringTest, HoldsEveryTextWhole) {
    for (const std::string& text : kTexts) {
        SCOPED_TRACE(text.size());
        ExpectHolds(CString(text.c_str()), text);
    }
    ExpectHolds(CString(), "");
    ExpectHolds(CString(nullptr), "");
}

TEST(CStringTest, GetAtOutsideTheTextGivesNul) {
    const CString word("CAT");
    EXPECT_EQ(word.GetAt(-1), '\0');
    EXPECT_EQ(word.GetAt(3), '\0');
    EXPECT_EQ(CString().GetAt(0), '\0');
}

TEST(CStringTest, CopiesAndAssignmentsAreIndependent) {
    for (const std::string& from : kTexts) {
        for (const std::string& to : kTexts) {
            SCOPED_TRACE(std::to_string(from.size()) + " into " + std::to_string(to.size()));
            const CString source(from.c_str());
            CString copy(source);
            CString assigned(to.c_str());
            assigned = source;
            copy += 'X';
            assigned += "YZ";
            ExpectHolds(source, from);
            ExpectHolds(copy, from + "X");
            ExpectHolds(assigned, from + "YZ");

            CString moved(to.c_str());
            CString taken(std::move(copy));
            moved = std::move(taken);
            ExpectHolds(moved, from + "X");
        }
    }
}

TEST(CStringTest, SelfAssignmentKeepsTheText) {
    for (const std::string& text : kTexts) {
        CString word(text.c_str());
        CString& alias = word;
        word = alias;
        word = std::move(alias);
        ExpectHolds(word, text);
    }
}

TEST(CStringTest, AppendingGrowsPastTheInlineSize) {
    CString built;
    std::string expected;
    for (int i = 0; i < 300; ++i) {
        const char ch = static_cast<char>('A' + i % 26 + (i % 7 == 0 ? 0x80 : 0));
        built += ch;
        expected += ch;
        ASSERT_EQ(std::string(static_cast<const char*>(built)), expected) << "after " << i;
    }
    ExpectHolds(built, expected);
}

TEST(CStringTest, AppendingItselfDoublesTheText) {
    for (const std::string& text : kTexts) {
        CString word(text.c_str());
        word += word;
        ExpectHolds(word, text + text);
    }
}

TEST(CStringTest, CompareIsCaseSensitiveByteOrderWithHighBytesLast) {
    struct Case {
        const char* left;
        const char* right;
        int sign;
    };
    const Case cases[] = {
        {"CAT", "CAT", 0},     {"CAT", "DOG", -1},  {"DOG", "CAT", 1},
        {"CAT", "CATS", -1},   {"", "", 0},         {"", "A", -1},
        {"a", "B", 1},         {"Cat", "CAT", 1},   {"\x80", "\x7F", 1},
        {"\xC9TAT", "ZZZ", 1}, {"\xE9", "\xC9", 1}, {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPR", -1},
    };
    for (const Case& c : cases) {
        const int result = CString(c.left).Compare(c.right);
        EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.left << " vs " << c.right;
    }
    EXPECT_GT(CString("A").Compare(nullptr), 0);
}
