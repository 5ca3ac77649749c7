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

// Whether every byte of `bytes` is part of a code page 932 character.
bool isDecodable(std::string_view bytes);

} // namespace cp932

// How the program's text files are read: code page 932, as the program writes them (see
// text_file_encoding.h), UTF-8 with or without a byte-order mark, as other editors save it, and
// UTF-16 after its byte-order mark, as Windows' Notepad saves "Unicode".
namespace textfile {

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

enum class Encoding { Cp932, Utf8, Utf16Le, Utf16Be };

// The encoding of a file that begins with `head` (the whole file when `wholeFile`);
// `bomLength` receives the bytes to skip. The rule, in this order:
// - a UTF-16 byte-order mark: UTF-16 in the order it says; a UTF-8 one: UTF-8;
// - bytes that are valid UTF-8 only (as editors save it without a mark): UTF-8; bytes that
//   encode() could have written in code page 932 only: code page 932;
// - bytes that read both ways: code page 932 when they hold no UTF-8 character of three or
//   more bytes (ASCII, or half-width katakana that pass for two-byte characters), so that every
//   file the program saves reads back as it was written; otherwise whichever ICU's charset
//   detector holds likelier, code page 932 when it holds them equal;
// - anything else: code page 932, with U+FFFD for what it cannot read.
// When `head` is only the beginning of the file, a character cut off at its end is allowed.
Encoding detect(std::string_view head, bool wholeFile, std::size_t &bomLength);

// One line's bytes as UTF-8. UTF-8 lines are taken as they are, byte for byte; UTF-16 ones are
// decoded to UTF-8 before lines are told apart (see decodeUtf16).
std::string decodeLine(std::string_view bytes, Encoding encoding);

// The UTF-16 code units of `bytes` as UTF-8, as far as they are whole: an odd last byte and a
// last unit that starts a surrogate pair are left for the next call, `used` tells up to where.
// A surrogate without its pair becomes U+FFFD.
std::string decodeUtf16(std::string_view bytes, bool bigEndian, std::size_t &used);

} // namespace textfile

} // namespace tavolin::text
