// CLineReader: splits an open file into the lines of a dictionary file.
//
// It reads the stream in large blocks and hands out one line at a time as NUL-terminated
// text, with text-mode line semantics whatever the platform: a carriage return directly
// before a line feed is dropped (a lone one stays), byte 26 ends the input, a NUL ends the
// line's text (the rest of that line is skipped), and a last line without a break counts.
// There is always one line more than there are line feeds, so input that ends with a break,
// and empty input, end with an empty line. A read error ends the input as end of file does.
// Not for: trimming, validating or decoding lines; it builds no dictionary entries.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

class CLineReader {
public:
    // Reads `file` (opened in binary mode) from where it stands; the caller closes it.
    explicit CLineReader(std::FILE* file);

    // Points `line` at the next line's text, valid until the next call. False when the
    // last line has been handed out.
    bool Next(const char*& line);

private:
    bool Refill();
    void KeepForLater(const char* start, const char* stop);
    const char* FinishKept(bool endedByFeed);

    std::FILE* m_file;
    std::unique_ptr<char[]> m_block;
    std::size_t m_position = 0;
    std::size_t m_size = 0;
    bool m_streamDone = false; // end of file, byte 26 or a read error: nothing more to read
    bool m_finished = false;   // the last line has been handed out

    // A line that runs past the end of a block is gathered here.
    std::string m_kept;
    bool m_keeping = false;   // the current line started in an earlier block
    bool m_keptIsCut = false; // its text ended early (NUL, or the longest text a word holds)
    bool m_keptHandedOut = false;
};
