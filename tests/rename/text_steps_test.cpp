#include "rename/text_steps.h"

#include <gtest/gtest.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace tavolin::rename {
namespace {

TEST(TextSteps, NormalizationJoinsAndSplitsVoicedKanaAndAccents)
{
    const std::string decomposed
            = "\u304B\u3099\u30D5\u309A e\u0301";       // か゛フ゜ é, as macOS writes
    const std::string composed = "\u304C\u30D7 \u00E9"; // がプ é
    EXPECT_EQ(normalize(decomposed, Normalization::Nfc), composed);
    EXPECT_EQ(normalize(composed, Normalization::Nfd), decomposed);
    EXPECT_EQ(normalize(composed, Normalization::Nfc), composed);
}

TEST(TextSteps, CaseChangesWholeWordsAndLeavesJapaneseAlone)
{
    const std::pair<LetterCase, std::string> cases[] = {
            {LetterCase::Lower, "summer trip_ｄｓｃ 写真"},
            {LetterCase::Upper, "SUMMER TRIP_ＤＳＣ 写真"},
            {LetterCase::Title, "Summer Trip_ｄｓｃ 写真"},
            {LetterCase::FirstLetter, "Summer trip_ｄｓｃ 写真"},
    };
    for (const auto &[letterCase, changed] : cases)
        EXPECT_EQ(changeCase("sUMMER tRIP_ＤＳＣ 写真", letterCase), changed);
}

// Unicode's own answer for one character under `change`: NFKC for the narrowing and widening
// switches (widening looks for the character whose NFKC it is), the character's name with
// HIRAGANA and KATAKANA swapped for the kana; itself where Unicode has none.
icu::UnicodeString unicodesOwn(WidthChange change, UChar32 c)
{
    const icu::UnicodeString self(c);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfkc = icu::Normalizer2::getNFKCInstance(status);
    const auto widened = [&](UChar32 first, UChar32 last) {
        // NFD parts a voiced kana into its letter and its mark.
        const icu::UnicodeString parts
                = icu::Normalizer2::getNFDInstance(status)->normalize(self, status);
        icu::UnicodeString out;
        for (int32_t i = 0; i < parts.length(); ++i) {
            UChar32 wide = first;
            while (wide <= last
                   && nfkc->normalize(icu::UnicodeString(wide), status)
                              != icu::UnicodeString(parts[i]))
                ++wide;
            if (wide > last)
                return self;
            out.append(wide);
        }
        return out;
    };
    const auto renamed = [&](std::string_view from, std::string_view to) {
        char name[128];
        u_charName(c, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
        std::string other(name);
        if (!other.starts_with(from))
            return self;
        other.replace(0, from.size(), to);
        const UChar32 pair = u_charFromName(U_UNICODE_CHAR_NAME, other.c_str(), &status);
        return U_SUCCESS(status) ? icu::UnicodeString(pair) : self;
    };
    const auto in = [c](UChar32 first, UChar32 last) {
        return c >= first && c <= last;
    };
    switch (change) {
    case WidthChange::AlphanumericsToHalfWidth:
        return in(0xFF01, 0xFF5E) ? nfkc->normalize(self, status) : self;
    case WidthChange::AlphanumericsToFullWidth:
        return in(0x21, 0x7E) ? widened(0xFF01, 0xFF5E) : self;
    case WidthChange::KatakanaToFullWidth:
        return in(0xFF61, 0xFF9F) ? nfkc->normalize(self, status) : self;
    case WidthChange::KatakanaToHalfWidth:
        return in(0x309B, 0x309C) || in(0x30A0, 0x30FF) ? widened(0xFF61, 0xFF9F) : self;
    case WidthChange::IdeographicSpaceToHalfWidth:
        return c == 0x3000 ? icu::UnicodeString(u' ') : self;
    case WidthChange::HiraganaToKatakana:
        return renamed("HIRAGANA ", "KATAKANA ");
    case WidthChange::KatakanaToHiragana:
        return renamed("KATAKANA ", "HIRAGANA ");
    }
    return self;
}

// Random names (a fixed seed) of characters from every switch's letters and a few others; each
// switch gives what Unicode's own mappings give character by character (the voiced marks of
// half-width katakana joined to their letters).
TEST(TextSteps, EachWidthAndKanaSwitchAgreesWithUnicodesOwnMappings)
{
    std::vector<UChar32> letters{0x5199, 0x00E9, 0x20, 0x3000};
    for (const auto &[first, last] : {std::pair{0x21, 0x7E},
                                      {0xFF01, 0xFF5E},
                                      {0xFF61, 0xFF9F},
                                      {0x3041, 0x3098},
                                      {0x309B, 0x30FF}})
        for (UChar32 c = first; c <= last; ++c)
            letters.push_back(c);
    std::map<UChar32, icu::UnicodeString> own[7];
    for (int change = 0; change < 7; ++change)
        for (const UChar32 c : letters)
            own[change][c] = unicodesOwn(static_cast<WidthChange>(change), c);
    std::mt19937 random(39);
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1), length(1, 12);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2 *nfc = icu::Normalizer2::getNFCInstance(status);
    for (int n = 0; n < 3000; ++n) {
        icu::UnicodeString name;
        for (std::size_t i = length(random); i > 0; --i)
            name.append(letters[pick(random)]);
        for (int change = 0; change < 7; ++change) {
            const auto switched = static_cast<WidthChange>(change);
            icu::UnicodeString expected;
            for (int32_t at = 0; at < name.length(); ++at)
                expected.append(own[change][name[at]]);
            if (switched == WidthChange::KatakanaToFullWidth)
                expected = nfc->normalize(expected, status);
            std::string text, want;
            ASSERT_EQ(changeWidth(name.toUTF8String(text), switched), expected.toUTF8String(want))
                    << "switch " << change << " on " << text;
        }
    }
}

TEST(TextSteps, InsertRemoveAndTrimCountCharactersFromEitherEnd)
{
    using F = CountFrom;
    using Edit = std::optional<std::string> (*)(std::string_view);
    const std::tuple<Edit, std::string, std::string> cases[] = {
            {[](auto n) { return insertText(n, "_旅", 2, F::Start); }, "写真001", "写真_旅001"},
            {[](auto n) { return insertText(n, "_旅", 3, F::End); }, "写真001", "写真_旅001"},
            {[](auto n) { return insertText(n, "新", 0, F::Start); }, "写真", "新写真"},
            {[](auto n) { return insertText(n, "新", 0, F::End); }, "写真", "写真新"},
            {[](auto n) { return insertText(n, "新", 9, F::Start); }, "写真", "写真新"},
            {[](auto n) { return insertText(n, "新", 9, F::End); }, "写真", "新写真"},
            {[](auto n) { return removeText(n, 0, 2, F::Start); }, "写真001", "001"},
            {[](auto n) { return removeText(n, 2, 1, F::Start); }, "写真001", "写真01"},
            {[](auto n) { return removeText(n, 0, 2, F::End); }, "写真001", "写真0"},
            {[](auto n) { return removeText(n, 1, 2, F::End); }, "写真001", "写真1"},
            {[](auto n) { return removeText(n, 3, 9, F::Start); }, "写真001", "写真0"},
            {[](auto n) { return removeText(n, 0, 9, F::End); }, "写真001", ""},
            {[](auto n) { return removeText(n, 1, 0, F::Start); }, "写真", "写真"},
            {trimSpaces, " 　写真 001　 ", "写真 001"},
            {trimSpaces, "　 ", ""},
    };
    for (const auto &[edit, name, changed] : cases)
        EXPECT_EQ(edit(name), changed) << name << " to " << changed;
}

// A name of code page 932 bytes is no text to change: it passes through, and the caller says so.
TEST(TextSteps, ANameThatIsNotUtf8IsLeftAsItIs)
{
    const std::string shiftJis = "\x83\x66\x83\x57\x83\x4A\x83\x81"; // デジカメ in code page 932
    EXPECT_EQ(changeWidth(shiftJis, WidthChange::KatakanaToHalfWidth), std::nullopt);
    EXPECT_EQ(normalize(shiftJis, Normalization::Nfc), std::nullopt);
    EXPECT_EQ(changeCase(shiftJis, LetterCase::Upper), std::nullopt);
    EXPECT_EQ(insertText(shiftJis, "a", 1, CountFrom::Start), std::nullopt);
    EXPECT_EQ(removeText(shiftJis, 0, 1, CountFrom::Start), std::nullopt);
    EXPECT_EQ(trimSpaces(shiftJis), std::nullopt);
    EXPECT_EQ(changeWidth("", WidthChange::HiraganaToKatakana), "");
}

TEST(TextSteps, AShiftJisNameBecomesUtf8AndOthersStay)
{
    EXPECT_EQ(shiftJisNameToUtf8("\x83\x66\x83\x57\x83\x4A\x83\x81.jpg"), "デジカメ.jpg");
    EXPECT_EQ(shiftJisNameToUtf8("\xB6\xD2"), "ｶﾒ"); // half-width katakana, one byte each
    EXPECT_EQ(shiftJisNameToUtf8("デジカメ"), "デジカメ");
    EXPECT_EQ(shiftJisNameToUtf8("\x83"), std::nullopt) << "a lead byte with nothing after it";
}

} // namespace
} // namespace tavolin::rename
