#include "rename/numbered_names.h"

#include <gmock/gmock.h>

#include <sstream>

using namespace tavolin::rename;
using ::testing::ElementsAre;

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

TEST(MakeNumberedNames, NumbersAtTheHeadOrAtTheEndAsWideAsTheCount)
{
    const auto end = MakeNumberedNames(12, "img", NumberPosition::End);
    EXPECT_THAT(std::vector(end.begin() + 9, end.end()), ElementsAre("img09", "img10", "img11"));
    EXPECT_THAT(MakeNumberedNames(2, "img", NumberPosition::Head), ElementsAre("0img", "1img"));
    EXPECT_THAT(MakeNumberedNames(0, "x", NumberPosition::End), ElementsAre());
}
