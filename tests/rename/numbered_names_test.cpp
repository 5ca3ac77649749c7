#include "rename/numbered_names.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tavolin::rename;

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
