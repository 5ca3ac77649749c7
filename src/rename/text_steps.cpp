#include "rename/text_steps.h"

#include "text/text_codec.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace tavolin::rename {

namespace {

// ICU's transliterator for each change, limited by a set to the letters the change is about, so
// that a switch for letters and digits leaves kana alone and the other way round.
constexpr std::array<const char *, 7> kTransliterators{
        "[\\uFF01-\\uFF5E] Fullwidth-Halfwidth",
        "[\\u0021-\\u007E] Halfwidth-Fullwidth",
        "[\\uFF61-\\uFF9F] Halfwidth-Fullwidth",
        "[\\u309B-\\u309C\\u30A0-\\u30FF] Fullwidth-Halfwidth",
        "[\\u3000] Fullwidth-Halfwidth",
        "Hiragana-Katakana",
        "Katakana-Hiragana",
};

bool isValidUtf8(std::string_view text)
{
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t at = 0; at < length;) {
        UChar32 c;
        U8_NEXT(bytes, at, length, c);
        if (c < 0)
            return false;
    }
    return true;
}

// Made once per change and kept: building a transliterator from its rules is the slow part.
const icu::Transliterator &transliterator(WidthChange change)
{
    static const auto made = [] {
        std::array<std::unique_ptr<icu::Transliterator>, kTransliterators.size()> all;
        for (std::size_t i = 0; i < all.size(); ++i) {
            UErrorCode status = U_ZERO_ERROR;
            all[i].reset(icu::Transliterator::createInstance(
                    icu::UnicodeString::fromUTF8(kTransliterators[i]), UTRANS_FORWARD, status));
            if (U_FAILURE(status)) // the rules above are the program's own
                throw std::logic_error(kTransliterators[i]);
        }
        return all;
    }();
    return *made[static_cast<std::size_t>(change)];
}

std::string toUtf8(const icu::UnicodeString &text)
{
    std::string bytes;
    text.toUTF8String(bytes);
    return bytes;
}

// The position of `at` characters counted from either end, as a UTF-16 offset within `text`.
std::int32_t offsetOf(const icu::UnicodeString &text, int at, CountFrom from)
{
    const std::int32_t characters = text.countChar32();
    const std::int32_t fromStart = std::clamp<std::int32_t>(
            from == CountFrom::Start ? at : characters - at, 0, characters);
    return text.moveIndex32(0, fromStart);
}

bool isSpace(UChar32 c)
{
    return c == U' ' || c == U'\u3000';
}

} // namespace

std::optional<std::string> changeWidth(std::string_view name, WidthChange change)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    transliterator(change).transliterate(text);
    return toUtf8(text);
}

std::optional<std::string> normalize(std::string_view name, Normalization form)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *normalizer = form == Normalization::Nfc
                                                 ? icu::Normalizer2::getNFCInstance(status)
                                                 : icu::Normalizer2::getNFDInstance(status);
    const icu::UnicodeString text
            = normalizer->normalize(icu::UnicodeString::fromUTF8(name), status);
    if (U_FAILURE(status))
        return std::nullopt;
    return toUtf8(text);
}

std::optional<std::string> changeCase(std::string_view name, LetterCase letterCase)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    const icu::Locale &root = icu::Locale::getRoot();
    switch (letterCase) {
    case LetterCase::Lower:
        text.toLower(root);
        break;
    case LetterCase::Upper:
        text.toUpper(root);
        break;
    case LetterCase::Title:
        text.toTitle(nullptr, root); // ICU's word breaks
        break;
    case LetterCase::FirstLetter:
        text.toTitle(nullptr, root, U_TITLECASE_SENTENCES);
        break;
    }
    return toUtf8(text);
}

std::optional<std::string>
insertText(std::string_view name, std::string_view text, int at, CountFrom from)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    icu::UnicodeString changed = icu::UnicodeString::fromUTF8(name);
    changed.insert(offsetOf(changed, at, from), icu::UnicodeString::fromUTF8(text));
    return toUtf8(changed);
}

std::optional<std::string> removeText(std::string_view name, int at, int count, CountFrom from)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    icu::UnicodeString changed = icu::UnicodeString::fromUTF8(name);
    const int first = from == CountFrom::Start ? at : at + std::max(count, 0);
    const std::int32_t begin = offsetOf(changed, first, from);
    const std::int32_t end = changed.moveIndex32(begin, std::max(count, 0));
    changed.remove(begin, end - begin);
    return toUtf8(changed);
}

std::optional<std::string> trimSpaces(std::string_view name)
{
    if (!isValidUtf8(name))
        return std::nullopt;
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    std::int32_t begin = 0;
    std::int32_t end = text.length();
    while (begin < end && isSpace(text.char32At(begin)))
        begin = text.moveIndex32(begin, 1);
    while (end > begin && isSpace(text.char32At(text.moveIndex32(end, -1))))
        end = text.moveIndex32(end, -1);
    return toUtf8(text.tempSubStringBetween(begin, end));
}

std::optional<std::string> shiftJisNameToUtf8(std::string_view name)
{
    if (isValidUtf8(name))
        return std::string(name);
    if (!text::cp932::isEncoderOutput(name))
        return std::nullopt;
    return text::cp932::decode(name);
}

} // namespace tavolin::rename
