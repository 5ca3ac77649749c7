#include "rename/numbered_names.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using ::testing::ElementsAre;

TEST(PadNumber, WidthIsTheNumberOfDigitsOfTheCount)
{
    const struct
    {
        long long count;
        const char *first, *last;
    } cases[] = {{1, "0", "0"},
                 {9, "0", "8"},
                 {10, "00", "09"},
                 {11, "00", "10"},
                 {1000, "0000", "0999"},
                 {32767, "00000", "32766"},
                 {100000, "000000", "099999"}};
    for (const auto &c : cases) {
        EXPECT_EQ(PadNumber(0, c.count), c.first) << c.count;
        EXPECT_EQ(PadNumber(c.count - 1, c.count), c.last) << c.count;
    }
}

TEST(MakeNumberedNames, NumbersAtTheHeadOrAtTheEndAsWideAsTheCount)
{
    const auto end = MakeNumberedNames(12, "img", NumberPosition::End);
    EXPECT_THAT(std::vector(end.begin() + 9, end.end()), ElementsAre("img09", "img10", "img11"));
    EXPECT_THAT(MakeNumberedNames(3, "", NumberPosition::Head), ElementsAre("0", "1", "2"));
    EXPECT_THAT(MakeNumberedNames(2, "img", NumberPosition::Head), ElementsAre("0img", "1img"));
    EXPECT_THAT(MakeNumberedNames(0, "x", NumberPosition::End), ElementsAre());
}

} // namespace
} // namespace tavolin::rename
