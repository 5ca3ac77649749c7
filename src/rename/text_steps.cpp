#include "rename/text_steps.h"

#include "text/text_codec.h"
#include "text/utf8.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uniset.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace tavolin::rename {

namespace {

// For each change, the letters it is about (so that a switch for letters and digits leaves kana
// alone and the other way round) and how it is made: where Unicode's compatibility mapping is
// the change itself (ＡＢＣ → ABC, ﾃﾞ → デ with the mark joined, the full-width space), NFKC
// on the runs of those letters, which is far quicker; between hiragana and katakana, the offset
// of the two blocks, which pairs every kana Unicode has in both (ゕ and ヵ too); otherwise ICU's
// transliterator.
struct ChangeRule
{
    const char *letters;
    const char *transliterator; // nullptr: NFKC, or the offset where there is one
    int offset = 0;
};

constexpr int kKanaOffset = 0x30A1 - 0x3041;

constexpr std::array<ChangeRule, 7> kChanges{{
        {"[\\uFF01-\\uFF5E]", nullptr},
        {"[\\u0021-\\u007E]", "Halfwidth-Fullwidth"},
        {"[\\uFF61-\\uFF9F]", nullptr},
        {"[\\u309B-\\u309C\\u30A0-\\u30FF]", "Fullwidth-Halfwidth"},
        {"[\\u3000]", nullptr},
        {"[\\u3041-\\u3096\\u309D-\\u309E]", nullptr, kKanaOffset},
        {"[\\u30A1-\\u30F6\\u30FD-\\u30FE]", nullptr, -kKanaOffset},
}};

struct MadeChange
{
    icu::UnicodeSet letters;
    std::unique_ptr<icu::Transliterator> transliterator;
};

// Made once per change and kept: building a transliterator from its rules is the slow part.
const MadeChange &made(WidthChange change)
{
    static const auto all = [] {
        std::array<MadeChange, kChanges.size()> changes;
        for (std::size_t i = 0; i < changes.size(); ++i) {
            UErrorCode status = U_ZERO_ERROR;
            const auto letters = icu::UnicodeString::fromUTF8(kChanges[i].letters);
            changes[i].letters.applyPattern(letters, status);
            if (kChanges[i].transliterator)
                changes[i].transliterator.reset(icu::Transliterator::createInstance(
                        letters + u" " + icu::UnicodeString::fromUTF8(kChanges[i].transliterator),
                        UTRANS_FORWARD,
                        status));
            if (U_FAILURE(status)) // the rules above are the program's own
                throw std::logic_error(kChanges[i].letters);
            changes[i].letters.freeze();
        }
        return changes;
    }();
    return all[static_cast<std::size_t>(change)];
}

// NFKC on each run of `letters` in `text`, the rest as it is.
icu::UnicodeString compatibleRuns(const icu::UnicodeString &text, const icu::UnicodeSet &letters)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    icu::UnicodeString out;
    const char16_t *buffer = text.getBuffer();
    const std::int32_t length = text.length();
    for (std::int32_t at = 0; at < length;) {
        const std::int32_t other = letters.span(buffer + at, length - at, USET_SPAN_NOT_CONTAINED);
        out.append(text, at, other);
        at += other;
        const std::int32_t run = letters.span(buffer + at, length - at, USET_SPAN_CONTAINED);
        icu::UnicodeString changed = nfkc->normalize(text.tempSubString(at, run), status);
        // A voiced mark at the start of a run joins the letter before it (か + ﾞ → が); the
        // letter itself stays as it is.
        if (!changed.isEmpty() && !out.isEmpty()) {
            const std::int32_t last = out.moveIndex32(out.length(), -1);
            const UChar32 joined = nfkc->composePair(out.char32At(last), changed.char32At(0));
            if (joined >= 0) {
                out.truncate(last);
                out.append(joined);
                changed.remove(0, U16_LENGTH(changed.char32At(0)));
            }
        }
        out.append(changed);
        at += run;
    }
    return out;
}

// Each of `letters` in `text` moved by `offset` code points, the rest as it is.
icu::UnicodeString
shifted(const icu::UnicodeString &text, const icu::UnicodeSet &letters, int offset)
{
    icu::UnicodeString out;
    for (std::int32_t at = 0; at < text.length(); at = text.moveIndex32(at, 1)) {
        const UChar32 c = text.char32At(at);
        out.append(letters.contains(c) ? c + offset : c);
    }
    return out;
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
    if (!text::utf8::isValid(name))
        return std::nullopt;
    const MadeChange &rule = made(change);
    const auto size = static_cast<std::int32_t>(name.size());
    if (rule.letters.spanUTF8(name.data(), size, USET_SPAN_NOT_CONTAINED) == size)
        return std::string(name); // none of its letters: most names, most switches
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(name);
    if (kChanges[static_cast<std::size_t>(change)].offset != 0)
        return toUtf8(
                shifted(text, rule.letters, kChanges[static_cast<std::size_t>(change)].offset));
    if (!rule.transliterator)
        return toUtf8(compatibleRuns(text, rule.letters));
    rule.transliterator->transliterate(text);
    return toUtf8(text);
}

std::optional<std::string> normalize(std::string_view name, Normalization form)
{
    if (!text::utf8::isValid(name))
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
    if (!text::utf8::isValid(name))
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
    if (!text::utf8::isValid(name))
        return std::nullopt;
    icu::UnicodeString changed = icu::UnicodeString::fromUTF8(name);
    changed.insert(offsetOf(changed, at, from), icu::UnicodeString::fromUTF8(text));
    return toUtf8(changed);
}

std::optional<std::string> removeText(std::string_view name, int at, int count, CountFrom from)
{
    if (!text::utf8::isValid(name))
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
    if (!text::utf8::isValid(name))
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
    if (text::utf8::isValid(name))
        return std::string(name);
    if (!text::cp932::isEncoderOutput(name))
        return std::nullopt;
    return text::cp932::decode(name);
}

} // namespace tavolin::rename
