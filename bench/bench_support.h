// What the benchmarks share: the dictionaries they load and search, and a reading of the
// process's resident memory. Nothing here is timed.
#pragma once

#include <cstddef>
#include <string>

#include "core/dictionary.h"

// The default word list shipped in data/ (or $VELMORA_DICTIONARY when set).
const std::string& DefaultDictionaryPath();

// A file of 1,000,000 random capital words of 3 to 14 letters, one per line, made once per
// process from a fixed seed in a temporary folder that is removed at exit.
const std::string& GeneratedDictionaryPath();

// The larger word lists shipped in data/: "more" and "game", each data/NAME/dictionary.txt.
std::string ShippedListPath(const char* name);

// Each dictionary loaded once and kept for the search benchmarks.
const CDictionary& DefaultDictionary();
const CDictionary& GeneratedDictionary();
const CDictionary& ShippedList(const char* name);

// The process's resident memory in bytes, or 0 where it cannot be read.
std::size_t ResidentBytes();
