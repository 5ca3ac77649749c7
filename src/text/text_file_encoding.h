#pragma once

#include <cstddef>
#include <expected>
#include <string>
#include <string_view>

namespace tavolin::text::textfile {

// The first character of a text that code page 932 has no code for.
struct Unencodable
{
    std::size_t line = 0;  // from 0
    std::string lineText;  // that line as it is
    std::string character; // the character, or a byte that is no character as "0xNN"
};

// The bytes of a code page 932 file for `text`, whose lines end in CR LF or LF. A line goes as it
// is where code page 932 holds it, otherwise composed (NFC: か and a combining voiced mark become
// が, as a Mac writes names apart); a line that is not UTF-8 but code page 932 already (a name an
// old system wrote) keeps its bytes. The first character without a code there, if any.
std::expected<std::string, Unencodable> encodeCp932(std::string_view text);

// The bytes of a UTF-8 file with a byte-order mark for `text`: a line that is code page 932 and
// not UTF-8 is decoded, any other line goes as it is, byte for byte.
std::string encodeUtf8(std::string_view text);

} // namespace tavolin::text::textfile
