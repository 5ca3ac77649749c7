#pragma once

#include "services/fs_error.h"
#include "text/text_codec.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolin::renamewindow {

// What the rename window says about a file of planned names ("取得後Textから読込").

// The file at `path` could not be opened or read at all: the planned names stay as they were.
std::string describeUnreadableNames(std::string_view path, const services::FsError &error);

// The file broke off part-way: the `lines` read before stand as planned names.
std::string
brokenOffNamesReport(std::string_view path, const services::FsError &error, std::size_t lines);

// How the file was read, for the window's status line: its encoding, and how many of its lines
// became planned names for how many files.
struct NamesRead
{
    text::textfile::Encoding encoding;
    std::size_t lines = 0; // that became planned names
    std::size_t files = 0;
    bool more = false;     // the file had lines beyond the last file
    bool brokeOff = false; // the file could not be read to its end
};
std::string namesReadCaption(const NamesRead &read);

} // namespace tavolin::renamewindow
