#pragma once

#include "services/fs_error.h"
#include "text/text_codec.h"

#include <functional>
#include <string_view>

namespace tavolin::services {

// Reading and writing the program's text files (see text_codec.h and text_file_encoding.h for
// their encodings). Abstract so that tests can record what was written.
class TextFiles
{
public:
    virtual ~TextFiles() = default;

    // Saves `bytes` as the file at `path` (through a symbolic link: the file it leads to); the
    // caller encodes text (see text_file_encoding.h). An existing file stays the same file to
    // everyone else: it keeps its owner, group, mode and other hard links, and a file the user
    // may write is saved even in a folder the user may not change. Either the whole new content
    // is on disk afterwards, or the save fails and the file holds its old content. A name the
    // disk cannot store fails with NotOnThisDisk before anything is made.
    //
    // It is done one of two ways. Where a new file would be no different (no file yet, or the
    // user's own file with one link and the group a new file gets, in a folder the user may
    // write), the new content is written to a new file beside it that then takes the name: the
    // old file stays whole until then, even through a crash. Otherwise the file is rewritten in
    // place, after a synced copy of its old content is kept beside it or, when the folder may
    // not be written, in the user's cache folder; a rewrite that fails puts the old content back
    // from it. Only when that fails too, or after a crash mid-rewrite, does the file hold part
    // of the new content: the copy then stays, and the error's detail says where.
    virtual FsResult<void> writeBytes(std::string_view path, std::string_view bytes) = 0;

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

    // The bytes of the file at `path`, as they are, such as a sheet saved by a spreadsheet
    // program. A file longer than `maxBytes` is not read (NoSpace, as no room is made for it).
    virtual FsResult<std::string> readBytes(std::string_view path, std::size_t maxBytes) = 0;
};

} // namespace tavolin::services
