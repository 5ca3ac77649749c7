#include "listing/listing_lines.h"

#include <gtest/gtest.h>

namespace {

using namespace tavolin::listing;

TEST(ListingLines, SizesInGroupsOfThreeNamesAsPrintableAndLinesJoinedByCrLf)
{
    const std::pair<std::int64_t, const char *> sizes[] = {
            {0, "00"},
            {5, "05"},
            {12, "12"},
            {999, "999"},
            {1234, "1,234"},
            {123456, "123,456"},
            {1234567, "1,234,567"},
            {5000000000000LL, "5,000,000,000,000"},
            {kUnknownSize, "?"},
    };
    for (const auto &[size, text] : sizes)
        EXPECT_EQ(FormatFileSize(size), text);
    EXPECT_EQ(MakeFileLine("a\nb\rc.txt", 3, 1234), "3 a\u240Ab\u240Dc.txt   1,234Byte");
    EXPECT_EQ(MakeFileLine("tab\tkept", std::nullopt, std::nullopt), "tab\tkept");
    EXPECT_EQ(MakeFileLine("gone", 7, kUnknownSize), "7 gone   ?Byte");
    EXPECT_EQ(MakeFolderLine("x\ny"), "  x\u240Ay");
    EXPECT_EQ(AppendListLine(AppendListLine(AppendListLine("", "a"), ""), "c"), "a\r\n\r\nc");
}

} // namespace
