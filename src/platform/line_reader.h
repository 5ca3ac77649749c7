#pragma once

#include "platform/text_codec.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavolin::platform {

// Turns the bytes of a text file, fed in chunks of any size, into decoded lines: lines end in
// CR LF or in LF alone, a last line without a line end counts, and the encoding is told by the
// first bytes (see textfile::detect).
class LineReader
{
public:
    using LineHandler = std::function<bool(std::string_view line)>;

    // `onLine` gets each line; when it returns false no further line is handed out.
    explicit LineReader(LineHandler onLine)
        : m_onLine(std::move(onLine))
    {}

    // Returns false once the handler has asked to stop.
    bool feed(std::string_view chunk);

    // The end of the file: hands out a last line that had no line end.
    void finish();

private:
    bool deliver(std::string_view line);

    LineHandler m_onLine;
    std::string m_pending;
    bool m_started = false;
    bool m_stopped = false;
    textfile::Encoding m_encoding = textfile::Encoding::Cp932;
};

} // namespace tavolin::platform
