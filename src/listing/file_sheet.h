#pragma once

#include "services/file_system.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// A text column of a sheet about files: its caption and its width in characters in a book.
struct TextColumn
{
    std::string_view caption;
    double width = 36;
};

// One file's row: its text cells, what was read of it, and its name's bytes in hexadecimal
// where the name is not valid UTF-8 (see ExportedFile).
struct FileSheetRow
{
    std::vector<std::string> texts;
    services::FileFacts facts;
    std::string nameBytes;
};

// A sheet about files for spreadsheets: a header row, then one row per file: its text cells,
// then its size and its modification time (both empty when they could not be read), then its
// name's bytes. Rows are made one at a time as they are written, so that a sheet of a million
// files is never held whole.
struct FileSheet
{
    std::vector<TextColumn> texts;
    std::size_t rows = 0;
    std::function<FileSheetRow(std::size_t)> row;
};

// The listing's sheet: each file's name, base name and extension (kExportedColumns).
FileSheet listingSheet(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts);

} // namespace tavolin::listing
