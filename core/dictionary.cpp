#include "core/dictionary.h"

#include <algorithm>
#include <fstream>

#include "core/count_fit.h"
#include "core/line_reader.h"

CDictionary::CDictionary(const CString& path) {
    // Binary, so every platform reads the same bytes; CLineReader applies the text-mode
    // rules itself.
    std::ifstream file(static_cast<const char*>(path), std::ios::in | std::ios::binary);
    if (!file.is_open())
        return;
    CLineReader reader(file);
    const char* line = nullptr;
    while (reader.Next(line))
        entries.emplace_back(line); // each entry is built in its own list node
}

void CDictionary::Solve(const CString& selection, std::vector<CString>& results) const {
    LetterCounts available;
    CountLetters(selection, available);
    const auto firstNew = static_cast<std::ptrdiff_t>(results.size());
    for (const CWordEntry& entry : entries) {
        if (entry.word.GetLength() >= kShortestSolution && CountsFitWithin(entry.counts, available))
            results.push_back(entry.word);
    }
    // A lambda rather than the function's address, so the compiler can inline the
    // comparison into the sort instead of calling through a pointer each time.
    std::sort(results.begin() + firstNew, results.end(),
              [](const CString& a, const CString& b) { return SolutionPrecedes(a, b); });
}

bool SolutionPrecedes(const CString& a, const CString& b) {
    const int lengthA = a.GetLength();
    const int lengthB = b.GetLength();
    if (lengthA != lengthB)
        return lengthA > lengthB;
    return a.Compare(b) < 0;
}
