// libFuzzer target: arbitrary bytes as a dictionary file and as a selection, with the search's
// answer checked against a small reference written independently here.
//
// Input layout: the first byte n gives the selection's length, the next n bytes are the
// selection, and the rest is written out as the dictionary file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/dictionary.h"

namespace {

// The words of a dictionary file: lines split at line feeds, the file ending at byte 26, a
// carriage return dropped only right before a line feed, a word cut at its first NUL, and the
// piece after the last line feed (possibly empty) counted as a line too.
std::vector<std::string> ReferenceWords(std::string content) {
    content = content.substr(0, content.find('\x1a'));
    std::vector<std::string> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? end : end - start);
        if (end != std::string::npos && !line.empty() && line.back() == '\r')
            line.pop_back();
        words.push_back(line.substr(0, line.find('\0')));
        if (end == std::string::npos)
            return words;
        start = end + 1;
    }
}

std::array<int, 26> ReferenceCounts(const std::string& text) {
    std::array<int, 26> counts{};
    for (unsigned char c : text)
        if (c >= 'A' && c <= 'Z')
            counts[c - 'A'] = std::min(counts[c - 'A'] + 1, 32767);
    return counts;
}

std::vector<std::string> ReferenceSolve(const std::vector<std::string>& words,
                                        const std::string& selection) {
    const auto have = ReferenceCounts(selection);
    std::vector<std::string> found;
    for (const std::string& word : words) {
        const auto need = ReferenceCounts(word);
        bool fits = word.size() >= 4;
        for (int i = 0; i < 26; ++i)
            fits = fits && need[i] <= have[i];
        if (fits)
            found.push_back(word);
    }
    std::sort(found.begin(), found.end(), [](const std::string& a, const std::string& b) {
        if (a.size() != b.size())
            return a.size() > b.size();
        return a < b;  // char_traits<char> compares as unsigned bytes
    });
    return found;
}

// A private folder for the dictionary file, removed when the fuzzer exits.
class ScratchFolder {
public:
    ScratchFolder()
        : m_dir(std::filesystem::temp_directory_path() /
                ("velmora-fuzz-" + std::to_string(static_cast<long>(::getpid())))) {
        std::filesystem::create_directories(m_dir);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
    std::filesystem::path File() const { return m_dir / "dictionary.txt"; }

private:
    std::filesystem::path m_dir;
};

const std::filesystem::path& ScratchFile() {
    static const ScratchFolder folder;
    static const std::filesystem::path file = folder.File();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t selectionLength = std::min<std::size_t>(data[0], size - 1);
    const std::string selectionBytes(reinterpret_cast<const char*>(data + 1), selectionLength);
    const std::string file(reinterpret_cast<const char*>(data + 1 + selectionLength),
                           size - 1 - selectionLength);
    {
        std::ofstream out(ScratchFile(), std::ios::binary | std::ios::trunc);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }

    // The selection reaches the search as NUL-terminated text, as the selection box gives it.
    const std::string selection = selectionBytes.substr(0, selectionBytes.find('\0'));
    CDictionary dictionary(CString(ScratchFile().c_str()));
    std::vector<CString> results;
    dictionary.Solve(CString(selection.c_str()), results);

    const auto expected = ReferenceSolve(ReferenceWords(file), selection);
    bool same = results.size() == expected.size();
    for (std::size_t i = 0; same && i < results.size(); ++i)
        same = expected[i] == static_cast<const char*>(results[i]);
    if (!same) {
        std::fprintf(stderr, "search gave %zu words, the reference %zu\n", results.size(),
                     expected.size());
        std::abort();
    }
    return 0;
}
