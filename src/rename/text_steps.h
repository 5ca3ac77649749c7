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

// Each returns the changed name, or nothing where the name is not valid UTF-8: such a name
// passes through unchanged rather than being garbled, and the caller says so.
std::optional<std::string> changeWidth(std::string_view name, WidthChange change);
// NFC joins the decomposed names that macOS writes (か + ゛ → が); NFD takes them apart.
std::optional<std::string> normalize(std::string_view name, Normalization form);

} // namespace tavolin::rename
