// CDictionary: the word list read from one text file, and the search over it.
//
// Every line of the file becomes one CWordEntry, in file order and taken whole: no trimming,
// no case change, no de-duplication (see CLineReader for how lines are split). Solve lists
// every entry of four or more characters whose letters the selection holds, longest first,
// then by CString::Compare. A missing or unreadable file gives an empty dictionary and no
// message. Not for: editing or reloading the list, or anything a window shows.
#pragma once

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

    // The entries in file order.
    const EntryList& Entries() const noexcept { return entries; }

    // Appends to `results` a copy of every qualifying word, then sorts the appended words
    // with SolutionPrecedes. Only the capital letters of `selection` matter.
    void Solve(const CString& selection, std::vector<CString>& results) const;

private:
    EntryList entries;
};

// True when `a` is listed before `b`: the longer first, and for equal lengths (in bytes)
// the one that CString::Compare puts first.
bool SolutionPrecedes(const CString& a, const CString& b);
