#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::text {

// Code page 932 (Shift_JIS as Windows extends it: "～" is 81 60, "①" is 87 40), the encoding of
// text files on the Japanese desktop systems that the program's users exchange files with.
namespace cp932 {

// The UTF-8 text in code page 932, or nothing when some character has no code there that reads
// back as the same character (emoji, most non-Japanese scripts, bytes that are not UTF-8).
std::optional<std::string> encode(std::string_view utf8);

// The code page 932 bytes as UTF-8; a byte that starts no valid character becomes U+FFFD.
std::string decode(std::string_view bytes);

// Whether `bytes` are exactly what encode() writes for some text: every character is assigned,
// and each is written the way encode() writes it (of two codes for one character, the one it
// uses). Every text the program saves in code page 932 passes.
bool isEncoderOutput(std::string_view bytes);

} // namespace cp932

// How the program's text files are written and read: code page 932 where it holds the text, and
// otherwise UTF-8 after a byte-order mark, so that no character is lost. Reading also takes
// UTF-8 without the mark, as other editors save it.
namespace textfile {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class Encoding { Cp932, Utf8 };

// The bytes to write for `utf8`.
std::string encode(std::string_view utf8);

// The encoding of a file that begins with `head` (the whole file when `wholeFile`);
// `bomLength` receives the bytes to skip. The rule, in this order:
// - a UTF-8 byte-order mark: UTF-8;
// - bytes that are valid UTF-8 only (as editors save it without a mark): UTF-8; bytes that
//   encode() could have written in code page 932 only: code page 932;
// - bytes that read both ways: code page 932 when they hold no UTF-8 character of three or
//   more bytes (ASCII, or half-width katakana that pass for two-byte characters), so that every
//   file the program saves reads back as it was written; otherwise whichever ICU's charset
//   detector holds likelier, code page 932 when it holds them equal;
// - anything else: code page 932, with U+FFFD for what it cannot read.
// When `head` is only the beginning of the file, a character cut off at its end is allowed.
Encoding detect(std::string_view head, bool wholeFile, std::size_t &bomLength);

// One line's bytes as UTF-8. UTF-8 lines are taken as they are, byte for byte.
std::string decodeLine(std::string_view bytes, Encoding encoding);

} // namespace textfile

} // namespace tavolin::text
