#pragma once

#include "text/text_codec.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavolin::text {

// Turns the bytes of a text file, fed in chunks of any size, into decoded lines: lines end in
// CR LF, LF or CR alone (as Windows, Linux and old Macs end them, also mixed in one file), a last
// line without a line end counts, and the encoding is told by the first bytes (see
// textfile::detect). A line longer than kMaxLineBytes keeps only its first
// kMaxLineBytes bytes, so that a file without line ends (a binary file, say) never fills memory.
class LineReader
{
public:
    static constexpr std::size_t kMaxLineBytes = 64 * 1024;
    // How much of a file without byte-order mark is looked at to tell its encoding.
    static constexpr std::size_t kDetectionBytes = 64 * 1024;

    using LineHandler = std::function<bool(std::string_view line)>;

    // `onLine` gets each line; when it returns false no further line is handed out.
    explicit LineReader(LineHandler onLine)
        : m_onLine(std::move(onLine))
    {}

    // Returns false once the handler has asked to stop.
    bool feed(std::string_view chunk);

    // The end of the file: hands out a last line that had no line end.
    void finish();
    // The file could not be read on: hands out the whole lines fed so far, and not the start of
    // the line the fault cut off.
    void breakOff();

    // The encoding the file is read in, once the reader has seen enough to tell it.
    textfile::Encoding encoding() const { return m_encoding; }

private:
    bool deliver(std::string_view line);
    void start(bool wholeFile);
    // Appends bytes after the encoding is known: UTF-16 is decoded to UTF-8 on the way.
    void take(std::string_view bytes);
    // Hands out the lines that have ended; at the file's end a last CR ends a line too.
    bool deliverCompleteLines(bool atEnd);

    LineHandler m_onLine;
    std::string m_undecoded; // UTF-16 bytes that do not make a whole character yet
    std::string m_pending;   // bytes after the last line end
    std::string m_cut;       // the first bytes of a line that grew too long
    bool m_skipping = false; // the current line grew too long: its remaining bytes are dropped
    bool m_started = false;
    bool m_stopped = false;
    textfile::Encoding m_encoding = textfile::Encoding::Cp932;
};

} // namespace tavolin::text
