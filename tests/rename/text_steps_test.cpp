#include "rename/text_steps.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavolin::rename {
namespace {

struct WidthCase
{
    WidthChange change;
    std::string name;
    std::string changed;
};

TEST(TextSteps, EachWidthAndKanaSwitchChangesOnlyItsOwnLetters)
{
    const WidthCase cases[] = {
            {WidthChange::AlphanumericsToHalfWidth, "ＡＢＣ１２３", "ABC123"},
            {WidthChange::AlphanumericsToHalfWidth,
             "写真（ＮＯ．１）デジカメ　",
             "写真(NO.1)デジカメ　"},
            {WidthChange::AlphanumericsToFullWidth, "abc_12!", "ａｂｃ＿１２！"},
            {WidthChange::AlphanumericsToFullWidth, "ﾃﾞｼﾞｶﾒ a", "ﾃﾞｼﾞｶﾒ ａ"},
            {WidthChange::KatakanaToFullWidth, "ﾃﾞｼﾞｶﾒ", "デジカメ"},
            {WidthChange::KatakanaToFullWidth, "ﾊﾟｰﾃｨｰ_ABC", "パーティー_ABC"},
            {WidthChange::KatakanaToHalfWidth, "デジカメ_ＡＢＣ", "ﾃﾞｼﾞｶﾒ_ＡＢＣ"},
            {WidthChange::KatakanaToHalfWidth, "ひらがな", "ひらがな"},
            {WidthChange::IdeographicSpaceToHalfWidth, "旅行　写真　ＡＢ", "旅行 写真 ＡＢ"},
            {WidthChange::HiraganaToKatakana, "ひらがなカナabc", "ヒラガナカナabc"},
            {WidthChange::KatakanaToHiragana, "カタカナ写真", "かたかな写真"},
    };
    for (const auto &[change, name, changed] : cases)
        EXPECT_EQ(changeWidth(name, change), changed) << name;
}

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

struct EditCase
{
    std::optional<std::string> (*edit)(std::string_view);
    std::string name;
    std::string changed;
};

TEST(TextSteps, InsertRemoveAndTrimCountCharactersFromEitherEnd)
{
    using F = CountFrom;
    const EditCase cases[] = {
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
