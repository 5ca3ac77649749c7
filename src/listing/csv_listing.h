#pragma once

#include "services/file_system.h"

#include <span>
#include <string>
#include <string_view>

namespace tavolin::listing {

// A listing for spreadsheets: a header, then one record per file with its name, base name,
// extension, size in bytes and modification time, as RFC 4180 has it (fields separated by
// commas, records ended by CR LF, a field holding a comma, quote, CR or LF quoted with its quotes
// doubled), in UTF-8 after a byte-order mark so that spreadsheets read it as UTF-8. A name that
// is not valid UTF-8 is written with U+FFFD for each byte that is no character, and its bytes in
// hexadecimal in the last column, so that it can still be told apart and found. A size or time
// that could not be read is left empty.
std::string csvListing(std::span<const std::string> names,
                       std::span<const services::FileFacts> facts);

// `field` as one CSV field: quoted where it must be.
std::string csvField(std::string_view field);

// `time` in local time as ISO 8601 with the offset from UTC: 2026-12-08T14:30:05+09:00.
std::string isoLocalTime(services::FileTime time);

} // namespace tavolin::listing
