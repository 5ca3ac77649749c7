#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::rename {

// The width and kana changes a step can make to a planned name, each switched on on its own.
enum class WidthChange {
    AlphanumericsToHalfWidth, // ＡＢＣ１２３！ → ABC123!
    AlphanumericsToFullWidth, // ABC123! → ＡＢＣ１２３！
    KatakanaToFullWidth, // ﾃﾞｼﾞｶﾒ → デジカメ, each voiced mark joined to its letter
    KatakanaToHalfWidth,         // デジカメ → ﾃﾞｼﾞｶﾒ
    IdeographicSpaceToHalfWidth, // the full-width space → " "
    HiraganaToKatakana,
    KatakanaToHiragana,
};

enum class Normalization { Nfc, Nfd };

enum class LetterCase {
    Lower,       // photo.jpg
    Upper,       // PHOTO.JPG
    Title,       // Summer Trip (each word)
    FirstLetter, // Summer trip (the first letter upper, the rest lower)
};

// Where a position is counted from, in characters (code points).
enum class CountFrom { Start, End };

// Each returns the changed name, or nothing where the name is not valid UTF-8: such a name
// passes through unchanged rather than being garbled, and the caller says so.
std::optional<std::string> changeWidth(std::string_view name, WidthChange change);
// NFC joins the decomposed names that macOS writes (か + ゛ → が); NFD takes them apart.
std::optional<std::string> normalize(std::string_view name, Normalization form);
std::optional<std::string> changeCase(std::string_view name, LetterCase letterCase);
// `text` goes in `at` characters from the start or the end; a position beyond the name puts it
// at the far end.
std::optional<std::string>
insertText(std::string_view name, std::string_view text, int at, CountFrom from);
// Takes away up to `count` characters, beginning `at` characters from the start or the end (from
// the end, the characters before that point).
std::optional<std::string> removeText(std::string_view name, int at, int count, CountFrom from);
// Spaces, half-width and full-width, at both ends.
std::optional<std::string> trimSpaces(std::string_view name);
// A name written in code page 932 by another system (shown with stand-ins, as it is no UTF-8)
// in UTF-8; a name that is UTF-8 already stays as it is. Nothing where the bytes are neither.
std::optional<std::string> shiftJisNameToUtf8(std::string_view name);

} // namespace tavolin::rename
