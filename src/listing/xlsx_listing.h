#pragma once

#include "services/file_system.h"
#include "services/fs_error.h"

#include <span>
#include <string>

namespace tavolin::listing {

// A listing for spreadsheets as an Excel book (.xlsx), the bytes of the file: one sheet with a
// header row and one row per file in the columns of kExportedColumns (see ExportedFile). The
// name, its parts and its bytes are text cells, so that "0012", "1e5" or "=1+1" stay as they
// are; the size is a number and the time a date cell in local time, both empty when they could
// not be read. The header row stays in sight while the rows scroll.
//
// Fails when the book cannot be made: more files than a sheet has rows, or no room for the
// temporary files the book is put together in.
services::FsResult<std::string> xlsxListing(std::span<const std::string> names,
                                            std::span<const services::FileFacts> facts);

} // namespace tavolin::listing
