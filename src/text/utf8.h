#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavolin::text::utf8 {

// File names are carried as the bytes the file system gave, which need not be valid UTF-8.
// Decoding therefore never fails: a byte that does not start a well-formed sequence comes back
// on its own as kStrayByte + its value, a value no code point has.
inline constexpr char32_t kStrayByte = 0x110000;
inline constexpr bool isStrayByte(char32_t decoded)
{
    return decoded >= kStrayByte;
}

// The character that starts at `pos`; advances `pos` past it.
char32_t decodeNext(std::string_view text, std::size_t &pos);

bool isValid(std::string_view text);

} // namespace tavolin::text::utf8

namespace tavolin::text {

// The marks that stand for a CR and an LF in a file name: arrows, which the fonts the program
// comes with (Noto CJK) draw and code page 932 holds, so that a saved listing keeps them. The
// control pictures made for this (U+240D, U+240A) are in neither, and showed as one empty box.
inline constexpr std::string_view kCarriageReturnMark = "\u2190"; // ←: back to the left
inline constexpr std::string_view kLineFeedMark = "\u2193";       // ↓: down a line

// A file name on one line, shown as it is: a CR or LF in it (legal in a Linux file name) becomes
// its mark, so that a listing line or a list row stands for exactly one file, and a character
// that steers the direction of what follows (a right-to-left override, say) its code, "<U+202E>",
// so that it cannot turn the rest of the line around. Every other byte stays as it is.
std::string printableName(std::string_view name);

} // namespace tavolin::text
