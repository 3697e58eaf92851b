// CDictionary: the word list read from one text file, and the search over it.
//
// Every line of the file becomes one CWordEntry, in file order and taken whole: no trimming,
// no case change, no de-duplication (see CLineReader for how lines are split). Solve lists
// every entry of four or more characters whose letters the selection holds, longest first,
// then by CString::Compare. A missing or unreadable file gives an empty dictionary and no
// message. Not for: editing or reloading the list, or anything a window shows.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "core/arena_allocator.h"
#include "core/word_entry.h"
#include "framework/cstring.h"

class CDictionary {
public:
    using EntryList = std::list<CWordEntry, CArenaAllocator<CWordEntry>>;

    // Shorter words never qualify: they are too easy to be worth listing.
    static constexpr int kShortestSolution = 4;

    // Loads the file at `path` (relative paths from the current directory).
    explicit CDictionary(const CString& path);
    // Not copied: the search index points into the entries' nodes.
    CDictionary(const CDictionary&) = delete;
    CDictionary& operator=(const CDictionary&) = delete;

    // The entries in file order.
    const EntryList& Entries() const noexcept { return entries; }

    // Appends to `results` a copy of every qualifying word, then sorts the appended words
    // with SolutionPrecedes. Only the capital letters of `selection` matter.
    void Solve(const CString& selection, std::vector<CString>& results) const;

private:
    // Appends the matches' words to `results` in the order SolutionPrecedes gives.
    static void AppendInSolutionOrder(const std::vector<const CWordEntry*>& matches,
                                      std::vector<CString>& results);

    EntryList entries;

    // The search's index, in list order: every entry long enough to qualify, with its
    // LetterSummary (core/count_fit.h). The search reads these packed summaries and visits
    // an entry's node only when the selection holds every letter, and every doubled letter,
    // that the word has: mostly the entries it returns. So it reads 8 bytes per entry
    // instead of every node's 80.
    // In the entries' arena, sized once: its large blocks cost far fewer page faults to
    // fill than the heap.
    std::vector<std::uint64_t, CArenaAllocator<std::uint64_t>> candidateSummaries;
    std::vector<const CWordEntry*, CArenaAllocator<const CWordEntry*>> candidates;
};

// True when `a` is listed before `b`: the longer first, and for equal lengths (in bytes)
// the one that CString::Compare puts first.
bool SolutionPrecedes(const CString& a, const CString& b);
