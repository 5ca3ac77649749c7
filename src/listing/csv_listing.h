#pragma once

#include "services/file_system.h"

#include <span>
#include <string>

namespace tavolin::listing {

// A listing for spreadsheets as CSV: a header, then one record per file with the columns of
// kExportedColumns (see ExportedFile). Fields are separated by commas and records ended by CR LF,
// in UTF-8 after a byte-order mark so that spreadsheets read it as UTF-8. Every text field (the
// header's, the name's, its parts' and its bytes') is quoted, quotes in it doubled, so that no
// separator a spreadsheet may use (comma, semicolon, tab) nor a line break splits it; the size
// and the time (see isoLocalTime) are not, and are left empty when they could not be read.
std::string csvListing(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts);

// `time` in local time as ISO 8601 with the offset from UTC: 2026-12-08T14:30:05+09:00.
std::string isoLocalTime(services::FileTime time);

} // namespace tavolin::listing
