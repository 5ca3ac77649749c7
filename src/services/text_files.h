#pragma once

#include "services/fs_error.h"
#include "text/text_codec.h"

#include <functional>
#include <string_view>

namespace tavolin::services {

// Reading and writing the program's text files (see textfile:: in text_codec.h for the
// encoding). Abstract so that tests can record what was written.
class TextFiles
{
public:
    virtual ~TextFiles() = default;

    // Replaces the file at `path` with `text`, encoded. Either the whole new content is on disk
    // afterwards or the file is as it was: a failed write never leaves a half-written file.
    virtual FsResult<void> writeText(std::string_view path, std::string_view text) = 0;

    // Calls `onLine` with each line of the file at `path`, decoded to UTF-8, without its line
    // end (CR LF or LF). A last line without a line end counts; an empty file has no lines.
    // Reading stops early when `onLine` returns false, so a huge file is never read whole.
    // Fails, before any line, when the file cannot be opened; says how reading ended otherwise.
    enum class ReadEnd {
        Complete, // every line was passed
        Stopped,  // `onLine` asked to stop
        BrokeOff, // the file could not be read to its end; the lines passed before stand
    };
    struct LinesRead
    {
        ReadEnd end = ReadEnd::Complete;
        text::textfile::Encoding encoding = text::textfile::Encoding::Cp932; // as it was read
        FsError error = {};                                                  // why it broke off
    };
    using LineHandler = std::function<bool(std::string_view line)>;
    // A folder cannot be opened as a file (IsAFolder).
    virtual FsResult<LinesRead> readLines(std::string_view path, const LineHandler &onLine) = 0;
};

} // namespace tavolin::services
