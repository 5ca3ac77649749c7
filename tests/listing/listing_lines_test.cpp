#include "listing/listing_lines.h"

#include <gtest/gtest.h>

using namespace tavolin::listing;

TEST(ListingLines, SizesInGroupsOfThreeNamesAsPrintableAndLinesJoinedByCrLf)
{
    std::string sizes;
    for (std::int64_t size : {0L, 5L, 12L, 999L, 1234L, 123456L, 1234567L, 5000000000000L, -1L})
        sizes += FormatFileSize(size) + " ";
    EXPECT_EQ(sizes, "00 05 12 999 1,234 123,456 1,234,567 5,000,000,000,000 ? ");
    EXPECT_EQ(MakeFileLine("a\nb\rc.txt", 3, 1234), "3 a\u240Ab\u240Dc.txt   1,234Byte");
    EXPECT_EQ(MakeFileLine("tab\tkept", std::nullopt, std::nullopt), "tab\tkept");
    EXPECT_EQ(MakeFileLine("gone", 7, kUnknownSize), "7 gone   ?Byte");
    EXPECT_EQ(MakeFolderLine("x\ny"), "  x\u240Ay");
    EXPECT_EQ(AppendListLine(AppendListLine(AppendListLine("", "a"), ""), "c"), "a\r\n\r\nc");
}
