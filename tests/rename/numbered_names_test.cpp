#include "rename/numbered_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using ::testing::ElementsAre;

TEST(PadNumber, WidthIsTheNumberOfDigitsOfTheCount)
{
    struct Case
    {
        long long count;
        const char *first;
        const char *last;
    };
    const Case cases[] = {
            {1, "0", "0"},
            {9, "0", "8"},
            {10, "00", "09"},
            {11, "00", "10"},
            {100, "000", "099"},
            {1000, "0000", "0999"},
            {10000, "00000", "09999"},
            {32767, "00000", "32766"},
            {100000, "000000", "099999"}, // six digits for a six-digit count
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PadNumber(0, c.count), c.first) << c.count;
        EXPECT_EQ(PadNumber(c.count - 1, c.count), c.last) << c.count;
    }
}

TEST(MakeNumberedNames, AtTheHeadOrAtTheEnd)
{
    const auto head = MakeNumberedNames(12, "img", NumberPosition::Head);
    ASSERT_EQ(head.size(), 12u);
    EXPECT_EQ(head.front(), "00img");
    EXPECT_EQ(head.back(), "11img");
    const auto end = MakeNumberedNames(12, "img", NumberPosition::End);
    EXPECT_EQ(end.front(), "img00");
    EXPECT_EQ(end.back(), "img11");
}

TEST(MakeNumberedNames, AnEmptyBaseGivesBareNumbers)
{
    EXPECT_THAT(MakeNumberedNames(3, "", NumberPosition::Head), ElementsAre("0", "1", "2"));
    EXPECT_THAT(MakeNumberedNames(0, "x", NumberPosition::End), ElementsAre());
}

} // namespace
} // namespace tavolin::rename
