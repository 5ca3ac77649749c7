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

// How the file was read, for the window's status line.
std::string readAsCaption(text::textfile::Encoding encoding);

} // namespace tavolin::renamewindow
