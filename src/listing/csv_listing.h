#pragma once

#include "listing/file_sheet.h"
#include "services/file_system.h"

#include <span>
#include <string>

namespace tavolin::listing {

// A sheet about files as CSV: fields separated by commas and records ended by CR LF, in UTF-8
// after a byte-order mark so that spreadsheets read it as UTF-8. Every text field (the header's,
// the text cells' and the name's bytes) is quoted, quotes in it doubled, so that no separator a
// spreadsheet may use (comma, semicolon, tab) nor a line break splits it; the size and the time
// (see isoLocalTime) are not, and are left empty when they could not be read.
std::string csvSheet(const FileSheet &sheet);

// The listing's sheet (see listingSheet) as CSV.
std::string csvListing(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts);

// `time` in local time as ISO 8601 with the offset from UTC: 2026-12-08T14:30:05+09:00.
std::string isoLocalTime(services::FileTime time);

} // namespace tavolin::listing
