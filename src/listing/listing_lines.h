#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The text layout of a listing: folder lines, file lines, and how lines are joined.
namespace tavolin::listing {

inline constexpr std::string_view kLineEnd = "\r\n";

// Stands for the size of a file whose length could not be read (it vanished after it was
// listed, or the system refused to tell); it shows as "?".
inline constexpr std::int64_t kUnknownSize = -1;

// A byte count in the pattern "0,0": groups of three digits separated by commas, and at least
// two digits (0 gives 00, 1234 gives 1,234). kUnknownSize gives "?".
std::string FormatFileSize(std::int64_t size);

// A file line: [number and one space] name [three spaces, size text and "Byte"]. The name is
// already the full or the base name, as the options say; it appears as text::printableName shows
// it.
std::string MakeFileLine(std::string_view name,
                         std::optional<std::int64_t> number,
                         std::optional<std::int64_t> size);

// A folder line: two spaces and the folder's name (as text::printableName shows it).
std::string MakeFolderLine(std::string_view folderName);

} // namespace tavolin::listing
