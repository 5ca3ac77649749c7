#pragma once

#include "listing/file_sheet.h"
#include "services/file_system.h"
#include "services/fs_error.h"

#include <span>
#include <string>

namespace tavolin::listing {

// A sheet about files as an Excel book (.xlsx), the bytes of the file: one worksheet with the
// header row, then one row per file. The text cells are text, so that "0012", "1e5" or "=1+1"
// stay as they are; the size is a number and the time a date cell in local time, both empty when
// they could not be read. The header row stays in sight while the rows scroll.
//
// Fails when the book cannot be made: more files than a sheet has rows, or no room for the
// temporary files the book is put together in.
services::FsResult<std::string> xlsxSheet(const FileSheet &sheet);

// The listing's sheet (see listingSheet) as an Excel book.
services::FsResult<std::string> xlsxListing(std::span<const std::string> names,
                                            std::span<const services::FileFacts> facts);

} // namespace tavolin::listing
