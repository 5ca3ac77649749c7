#include "rename/name_steps.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace tavolin::rename {

// For the messages of failed checks.
void PrintTo(const PlannedName &name, std::ostream *out)
{
    *out << name.baseName << "|" << name.extension;
}

namespace {

// Half-width katakana, a name in code page 932 (デジ) and full-width letters and digits.
const std::vector<PlannedName> kNames{
        {"ﾃﾞｼﾞｶﾒ_IMG", ".jpg"}, {"\x83\x66\x83\x57", ".JPG"}, {"ＡＢＣ１２３", ""}};

LocalTime dateOf(std::size_t row, DateSource source)
{
    return {2026, 12, source == DateSource::PhotoTaken ? 1 : 2, 10, static_cast<int>(row), 0};
}

// What a case shows, its steps and the names they plan.
using StepsCase = std::tuple<std::string, std::vector<NameStep>, std::vector<PlannedName>>;

TEST(NameSteps, StepsRunInOrderOnTheirTargetAndSkipWhatIsOff)
{
    const WidthStep width{
            {WidthChange::KatakanaToFullWidth, WidthChange::AlphanumericsToHalfWidth}};
    const StepsCase cases[] = {
            {"width on the base name",
             {{width}},
             {{"デジカメ_IMG", ".jpg"}, {"\x83\x66\x83\x57", ".JPG"}, {"ABC123", ""}}},
            {"upper case on both keeps the dot",
             {{LetterCase::Upper, StepTarget::Both}},
             {{"ﾃﾞｼﾞｶﾒ_IMG", ".JPG"}, {"\x83\x66\x83\x57", ".JPG"}, {"ＡＢＣ１２３", ""}}},
            {"full width on the extension only",
             {{WidthStep{{WidthChange::AlphanumericsToFullWidth}}, StepTarget::Extension}},
             {{"ﾃﾞｼﾞｶﾒ_IMG", ".ｊｐｇ"}, {"\x83\x66\x83\x57", ".ＪＰＧ"}, {"ＡＢＣ１２３", ""}}},
            {"a step that is off", {{LetterCase::Lower, StepTarget::Both, false}}, kNames},
            {"replace, then number the result",
             {{ReplaceRule{"_IMG", ""}}, {NumberingRule{1, 1, 0, Place::End, "-"}}},
             {{"ﾃﾞｼﾞｶﾒ-1", ".jpg"}, {"\x83\x66\x83\x57-2", ".JPG"}, {"ＡＢＣ１２３-3", ""}}},
            {"the photo's date at the head",
             {{DateStep{DateSource::PhotoTaken, "MMdd-HHmm", Place::Head, " "}}},
             {{"1201-1000 ﾃﾞｼﾞｶﾒ_IMG", ".jpg"},
              {"1201-1001 \x83\x66\x83\x57", ".JPG"},
              {"1201-1002 ＡＢＣ１２３", ""}}},
            {"the Shift_JIS name made UTF-8",
             {{ShiftJisStep{}}},
             {{"ﾃﾞｼﾞｶﾒ_IMG", ".jpg"}, {"デジ", ".JPG"}, {"ＡＢＣ１２３", ""}}},
    };
    for (const auto &[what, steps, names] : cases)
        EXPECT_EQ(applySteps(kNames, steps, dateOf).names, names) << what;
}

// With "名前と拡張子" a step sees the whole name, whose result is split again.
TEST(NameSteps, AStepOnBothSeesTheWholeName)
{
    const std::vector<PlannedName> photo{{"IMG_0001", ".JPG"}};
    const StepsCase cases[] = {
            {"insert at the start",
             {{InsertStep{"X", 0}, StepTarget::Both}},
             {{"XIMG_0001", ".JPG"}}},
            {"remove the first", {{RemoveStep{0, 1}, StepTarget::Both}}, {{"MG_0001", ".JPG"}}},
            {"insert from the end",
             {{InsertStep{"X", 4, CountFrom::End}, StepTarget::Both}},
             {{"IMG_0001X", ".JPG"}}},
            {"a dot replaced", {{ReplaceRule{".", "_"}, StepTarget::Both}}, {{"IMG_0001_JPG", ""}}},
    };
    for (const auto &[what, steps, names] : cases)
        EXPECT_EQ(applySteps(photo, steps, dateOf).names, names) << what;
}

// A base name, an extension or both of code page 932 bytes: the step's target decides.
TEST(NameSteps, ARowLeftAsItIsForNotBeingUtf8IsSaidWhateverItsTarget)
{
    const std::vector<PlannedName> names{{"\x83\x66", ".jpg"}, {"a", ".\x83\x57"}, {"b", ".txt"}};
    const std::pair<StepTarget, std::vector<std::size_t>> cases[] = {
            {StepTarget::BaseName, {0}}, {StepTarget::Extension, {1}}, {StepTarget::Both, {0, 1}}};
    for (const auto &[target, rows] : cases) {
        const auto result = applySteps(names, {{LetterCase::Upper, target}}, dateOf);
        EXPECT_EQ(result.notUtf8, rows);
        EXPECT_EQ(result.names[1].baseName, target == StepTarget::BaseName ? "A" : "a");
    }
}

// An invalid expression or a date pattern with a letter of no field: each said, and it changes
// nothing.
TEST(NameSteps, ANameThatIsNotUtf8AndAFaultyStepAreSaidAndChangeNothing)
{
    const auto result = applySteps(kNames,
                                   {{LetterCase::Lower},
                                    {ReplaceRule{"(", "x", true}},
                                    {TrimStep{}},
                                    {DateStep{DateSource::Modified, "yy年hh時"}}},
                                   dateOf);
    EXPECT_EQ(result.notUtf8, std::vector<std::size_t>{1});
    EXPECT_EQ(result.names[1], kNames[1]);
    EXPECT_EQ(result.names[0].baseName, "ﾃﾞｼﾞｶﾒ_img");
    ASSERT_EQ(result.stepFaults.size(), 4U);
    EXPECT_EQ(result.stepFaults[0], "");
    EXPECT_NE(result.stepFaults[1].find("2文字目"), std::string::npos) << result.stepFaults[1];
    EXPECT_EQ(result.stepFaults[3], "書式の「hh」は使えません（文字は'で囲みます）");
}

} // namespace
} // namespace tavolin::rename
