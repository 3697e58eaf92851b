#include "core/dictionary.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>

#include "core/count_fit.h"
#include "core/line_reader.h"

CDictionary::CDictionary(const CString& path)
    : candidateSummaries(entries.get_allocator()), candidates(entries.get_allocator()) {
    // Binary, so every platform reads the same bytes; CLineReader applies the text-mode
    // rules itself.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        std::fopen(static_cast<const char*>(path), "rb"), &std::fclose);
    if (!file)
        return;
    CLineReader reader(file.get());
    const char* line = nullptr;
    std::size_t qualifying = 0;
    while (reader.Next(line)) {
        const CWordEntry& entry = entries.emplace_back(line); // built in its own list node
        qualifying += entry.word.GetLength() >= kShortestSolution;
    }
    // Sized once: grown line by line it would leave every outgrown buffer in the arena.
    candidateSummaries.reserve(qualifying);
    candidates.reserve(qualifying);
    for (const CWordEntry& entry : entries) {
        if (entry.word.GetLength() >= kShortestSolution) {
            candidateSummaries.push_back(LetterSummary(entry.counts));
            candidates.push_back(&entry);
        }
    }
}

void CDictionary::Solve(const CString& selection, std::vector<CString>& results) const {
    LetterCounts available;
    CountLetters(selection, available);
    const std::uint64_t lacking = ~LetterSummary(available);
    std::vector<const CWordEntry*> matches;
    // In batches: first the summaries pick the batch's likely matches without a branch,
    // then their nodes are read one after another, so the processor can fetch several of
    // them at once instead of stopping at each unpredictable match.
    constexpr std::size_t kBatch = 256;
    std::uint32_t likely[kBatch];
    for (std::size_t start = 0; start < candidates.size(); start += kBatch) {
        const std::size_t stop = std::min(candidates.size(), start + kBatch);
        std::size_t count = 0;
        for (std::size_t index = start; index < stop; ++index) {
            likely[count] = static_cast<std::uint32_t>(index - start);
            count += (candidateSummaries[index] & lacking) == 0;
        }
        for (std::size_t found = 0; found < count; ++found) {
            const CWordEntry* entry = candidates[start + likely[found]];
            if (CountsFitWithin(entry->counts, available))
                matches.push_back(entry);
        }
    }
    AppendInSolutionOrder(matches, results);
}

// The matches come in list order, and most word lists are in alphabetical order already. A
// counting sort on the lengths puts them longest first, keeps that order within a length and
// copies each word once; then only a length whose words are out of order is sorted.
void CDictionary::AppendInSolutionOrder(const std::vector<const CWordEntry*>& matches,
                                        std::vector<CString>& results) {
    const std::size_t first = results.size();
    int longest = kShortestSolution;
    for (const CWordEntry* match : matches)
        longest = std::max(longest, match->word.GetLength());
    const auto lengths = static_cast<std::size_t>(longest - kShortestSolution) + 1;
    if (lengths > matches.size()) { // a few words far apart in length: a plain sort is cheaper
        for (const CWordEntry* match : matches)
            results.push_back(match->word);
        std::sort(results.begin() + static_cast<std::ptrdiff_t>(first), results.end(),
                  [](const CString& a, const CString& b) { return SolutionPrecedes(a, b); });
        return;
    }
    // next[n]: where the next word n characters shorter than the longest goes.
    std::vector<std::size_t> next(lengths + 1, first);
    for (const CWordEntry* match : matches)
        ++next[static_cast<std::size_t>(longest - match->word.GetLength()) + 1];
    std::partial_sum(next.begin() + 1, next.end(), next.begin() + 1,
                     [first](std::size_t sum, std::size_t count) { return sum + count - first; });
    results.resize(first + matches.size());
    for (const CWordEntry* match : matches)
        results[next[static_cast<std::size_t>(longest - match->word.GetLength())]++] = match->word;
    // Each next[n] is now where the words of the next length start.
    const auto alphabetical = [](const CString& a, const CString& b) { return a.Compare(b) < 0; };
    auto groupStart = results.begin() + static_cast<std::ptrdiff_t>(first);
    for (std::size_t group = 0; group < lengths; ++group) {
        const auto groupEnd = results.begin() + static_cast<std::ptrdiff_t>(next[group]);
        if (!std::is_sorted(groupStart, groupEnd, alphabetical))
            std::sort(groupStart, groupEnd, alphabetical);
        groupStart = groupEnd;
    }
}

bool SolutionPrecedes(const CString& a, const CString& b) {
    const int lengthA = a.GetLength();
    const int lengthB = b.GetLength();
    if (lengthA != lengthB)
        return lengthA > lengthB;
    return a.Compare(b) < 0;
}
