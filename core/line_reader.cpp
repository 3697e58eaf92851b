#include "core/line_reader.h"

#include <climits>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = std::size_t{64} << 10;
constexpr char kEndOfFile = 26; // Ctrl-Z
// A word's length must fit an int; bytes of a line past that are skipped like those after a NUL.
constexpr std::size_t kLongestLine = INT_MAX;

} // namespace

// One byte more than a block, so a line at the very end can be terminated in place.
CLineReader::CLineReader(std::FILE* file) : m_file(file), m_block(new char[kBlockSize + 1]) {}

bool CLineReader::Next(const char*& line) {
    if (m_finished)
        return false;
    if (m_keptHandedOut) {
        m_kept.clear();
        m_keeping = m_keptIsCut = m_keptHandedOut = false;
    }
    for (;;) {
        char* start = m_block.get() + m_position;
        char* stop = m_block.get() + m_size;
        char* feed = static_cast<char*>(std::memchr(start, '\n', m_size - m_position));
        if (feed != nullptr) {
            m_position = static_cast<std::size_t>(feed + 1 - m_block.get());
            if (m_keeping) {
                KeepForLater(start, feed);
                line = FinishKept(true);
                return true;
            }
            // The line lies whole in the block: end it in place, over the CR or the LF.
            char* end = (feed > start && feed[-1] == '\r') ? feed - 1 : feed;
            *end = '\0';
            line = start;
            return true;
        }
        KeepForLater(start, stop);
        m_position = m_size;
        if (m_streamDone || !Refill()) {
            m_finished = true;
            line = FinishKept(false);
            return true;
        }
    }
}

// Reads the next block; false when the stream has nothing more to give.
bool CLineReader::Refill() {
    m_size = std::fread(m_block.get(), 1, kBlockSize, m_file);
    m_position = 0;
    if (m_size < kBlockSize)
        m_streamDone = true; // end of file or a read error alike: never read again
    if (const void* eof = std::memchr(m_block.get(), kEndOfFile, m_size)) {
        m_size = static_cast<std::size_t>(static_cast<const char*>(eof) - m_block.get());
        m_streamDone = true;
    }
    return m_size > 0;
}

void CLineReader::KeepForLater(const char* start, const char* stop) {
    if (start == stop || m_keptIsCut)
        return;
    m_keeping = true;
    std::size_t length = static_cast<std::size_t>(stop - start);
    if (const void* nul = std::memchr(start, '\0', length)) {
        length = static_cast<std::size_t>(static_cast<const char*>(nul) - start);
        m_keptIsCut = true;
    }
    if (length > kLongestLine - m_kept.size()) {
        length = kLongestLine - m_kept.size();
        m_keptIsCut = true;
    }
    m_kept.append(start, length);
}

const char* CLineReader::FinishKept(bool endedByFeed) {
    if (endedByFeed && !m_keptIsCut && !m_kept.empty() && m_kept.back() == '\r')
        m_kept.pop_back();
    m_keptHandedOut = true;
    return m_kept.c_str();
}
