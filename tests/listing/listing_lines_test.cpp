#include "listing/listing_lines.h"

#include "text/utf8.h"

#include <gtest/gtest.h>

namespace tavolin::listing {
namespace {

TEST(FormatFileSize, GroupsOfThreeAndAtLeastTwoDigits)
{
    const std::pair<std::int64_t, const char *> cases[] = {
            {0, "00"},
            {5, "05"},
            {12, "12"},
            {999, "999"},
            {1234, "1,234"},
            {123456, "123,456"},
            {1234567, "1,234,567"},
            {2147483648LL, "2,147,483,648"}, // 2 GiB and more show their real size
            {5000000000000LL, "5,000,000,000,000"},
            {kUnknownSize, "?"},
    };
    for (const auto &[size, text] : cases)
        EXPECT_EQ(FormatFileSize(size), text) << size;
}

TEST(MakeFileLine, TheFourShapes)
{
    struct Shape
    {
        bool numbered, sized, withExtension;
        const char *line;
    };
    // The third enumerated file report.txt of 1,234 bytes, nothing kept.
    const Shape shapes[] = {
            {false, false, false, "report"},
            {false, false, true, "report.txt"},
            {true, false, false, "3 report"},
            {true, false, true, "3 report.txt"},
            {false, true, false, "report   1,234Byte"},
            {false, true, true, "report.txt   1,234Byte"},
            {true, true, false, "3 report   1,234Byte"},
            {true, true, true, "3 report.txt   1,234Byte"},
    };
    for (const auto &s : shapes) {
        EXPECT_EQ(MakeFileLine(s.withExtension ? "report.txt" : "report",
                               s.numbered ? std::optional<std::int64_t>(3) : std::nullopt,
                               s.sized ? std::optional<std::int64_t>(1234) : std::nullopt),
                  s.line);
    }
}

TEST(MakeFileLine, UnreadableSizeKeepsTheShape)
{
    EXPECT_EQ(MakeFileLine("gone.txt", 7, kUnknownSize), "7 gone.txt   ?Byte");
}

TEST(MakeFileLine, LineBreaksInNamesShowAsPictures)
{
    EXPECT_EQ(MakeFileLine("a\nb\rc.txt", 1, std::nullopt), "1 a\u240Ab\u240Dc.txt");
    EXPECT_EQ(MakeFolderLine("x\ny"), "  x\u240Ay");
    EXPECT_EQ(text::printableName("tab\tkept"), "tab\tkept");
}

TEST(AppendListLine, CrLfBetweenLinesNeverAtTheEnds)
{
    EXPECT_EQ(AppendListLine("", "a"), "a");
    EXPECT_EQ(AppendListLine("a", "b"), "a\r\nb");
    EXPECT_EQ(AppendListLine(AppendListLine("a", "b"), "c"), "a\r\nb\r\nc");
}

} // namespace
} // namespace tavolin::listing
