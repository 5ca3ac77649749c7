#include "rename/number_and_date_steps.h"
#include "rename/numbered_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <tuple>

namespace tavolin::rename {
namespace {

TEST(NumberingStep, NumbersFromAnyStartByAnyStepAsWideAsAskedOrAsTheLastNeeds)
{
    const std::tuple<NumberingRule, long long, long long, std::string> cases[] = {
            {{1, 1, 0, Place::End, "_"}, 0, 9, "旅_1"},
            {{1, 1, 0, Place::End, "_"}, 8, 10, "旅_09"},
            {{0, 10, 0, Place::Head, "-"}, 3, 11, "030-旅"},
            {{1, 1, 3, Place::End, ""}, 4, 2, "旅005"},
            {{1, 1, 1, Place::End, ""}, 8, 10, "旅9"}, // one digit asked: none added
            {{5, -1, 0, Place::Head, " "}, 7, 8, "-2 旅"},
            {{100, 1, 2, Place::Replace, "_"}, 0, 1, "100"},
    };
    for (const auto &[rule, row, rows, changed] : cases) // the rule on row `row` of `rows`
        EXPECT_EQ(numberName("旅", rule, row, rows), changed);
}

// The width is the number of digits of the count: its first and last number.
TEST(PadNumber, WidthIsTheNumberOfDigitsOfTheCount)
{
    std::istringstream rows("1,0,0 9,0,8 10,00,09 11,00,10 1000,0000,0999 32767,00000,32766 "
                            "100000,000000,099999");
    for (std::string row; rows >> row;) {
        const long long n = std::stoll(row); // the count
        EXPECT_EQ(std::to_string(n) + "," + PadNumber(0, n) + "," + PadNumber(n - 1, n), row);
    }
}

// Letters are the pattern's; text in single quotes stays as it is, and so does any other character.
TEST(DateStep, APatternTakesItsOwnLettersAndQuotedText)
{
    const LocalTime time{2026, 1, 8, 9, 5, 3};
    const std::pair<std::string, std::string> cases[] = {
            {"yyyyMMdd_HHmmss", "20260108_090503"},
            {"yy年MM月dd日", "26年01月08日"},
            {"", ""},
            {"yy年M月d日", "26年1月8日"},
            {"H時m分s秒", "9時5分3秒"},
            {"'IMG'_yyyy", "IMG_2026"},
            {"'it''s' HH", "it's 09"},
            {"''yy''''", "'26''"},
    };
    for (const auto &[pattern, filled] : cases)
        EXPECT_EQ(formatDate(pattern, time), filled) << pattern;
    for (const char *wrong : {"hh", "IMG_yyyy", "yyy", "MMM", "'yyyy"}) {
        const auto filled = formatDate(wrong, time);
        ASSERT_FALSE(filled) << wrong << " gave " << *filled;
        EXPECT_NE(filled.error().find("書式の"), std::string::npos) << filled.error();
    }
}

TEST(DateStep, ReadsAnExifDateOrNothing)
{
    const auto read = parseExifDate("2026:12:08 14:30:05");
    ASSERT_TRUE(read);
    EXPECT_EQ(formatDate("yyyy-MM-dd HH:mm:ss", *read), "2026-12-08 14:30:05");
    for (const char *wrong : {"",
                              "0000:00:00 00:00:00",
                              "2026-12-08 14:30:05",
                              "2026:13:08 14:30:05",
                              "2026:12:08 24:00:00",
                              "    :  :     :  :  "})
        EXPECT_EQ(parseExifDate(wrong), std::nullopt) << wrong;
}

} // namespace
} // namespace tavolin::rename
