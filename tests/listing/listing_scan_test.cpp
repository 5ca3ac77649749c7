#include "listing/listing_scan.h"

#include "listing/listing_lines.h"
#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

namespace tavolin::listing {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    lines.push_back(text.substr(start));
    return lines;
}

class ListingScanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs_.addFile("D:\\data\\photos", "a.jpg", 10);
        fs_.addFile("D:\\data\\photos", "b", 0);
        fs_.addFile("D:\\data\\photos", "report.txt", 1234);
    }

    ListingScan
    scan(ListingOptions options, std::int64_t base = 0, std::string pattern = "D:\\data\\photos\\")
    {
        auto result = scanFolder(fs_, pattern, base, options);
        EXPECT_TRUE(result.has_value());
        return result.value_or(ListingScan{});
    }

    test::FakeFileSystem fs_;
};

TEST_F(ListingScanTest, EveryOptionShapesTheLines)
{
    struct Case
    {
        ListingOptions options;
        const char *thirdLine;
    };
    const Case cases[] = {
            {{false, false, false, false}, "report"},
            {{false, true, false, false}, "report.txt"},
            {{true, false, false, false}, "3 report"},
            {{true, true, false, false}, "3 report.txt"},
            {{false, false, true, false}, "report   1,234Byte"},
            {{false, true, true, false}, "report.txt   1,234Byte"},
            {{true, false, true, false}, "3 report   1,234Byte"},
            {{true, true, true, false}, "3 report.txt   1,234Byte"},
    };
    for (const auto &c : cases) {
        const auto lines = linesOf(scan(c.options).lines);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[2], c.thirdLine);
    }
}

TEST_F(ListingScanTest, AllOptionsOn)
{
    const ListingScan result = scan({true, true, true, true});
    EXPECT_EQ(result.lines,
              "  photos\r\n1 a.jpg   10Byte\r\n2 b   00Byte\r\n3 report.txt   1,234Byte");
    EXPECT_EQ(result.namesFound, 3);
    EXPECT_TRUE(result.foundAny);
}

TEST_F(ListingScanTest, AllOptionsOffListsBaseNamesInDirectoryOrder)
{
    EXPECT_EQ(scan({}).lines, "a\r\nb\r\nreport");
}

TEST_F(ListingScanTest, NumberingContinuesFromTheBase)
{
    // A kept listing of five files: the next scan numbers from 6.
    EXPECT_THAT(linesOf(scan({.numbered = true}, 5).lines), ElementsAre("6 a", "7 b", "8 report"));
}

TEST_F(ListingScanTest, NamesWithoutBaseAreCountedButLeaveAGap)
{
    fs_.addFile("D:\\odd", ".txt");
    fs_.addFile("D:\\odd", "a.txt");
    fs_.addFile("D:\\odd", ".md");
    fs_.addFile("D:\\odd", "b.txt");
    const ListingScan result = scan({.numbered = true, .withFolderLine = true}, 0, "D:\\odd\\");
    // Slot 0 gets no line, so the folder line is left out too.
    EXPECT_EQ(result.lines, "2 a\r\n4 b");
    EXPECT_EQ(result.namesFound, 4);
}

TEST_F(ListingScanTest, EmptyFolderGivesNoLineNotEvenTheFolderLine)
{
    fs_.addFolder("D:\\empty");
    const ListingScan result = scan({.withFolderLine = true}, 0, "D:\\empty\\");
    EXPECT_EQ(result.lines, "");
    EXPECT_EQ(result.namesFound, 0);
    EXPECT_FALSE(result.foundAny);
}

TEST_F(ListingScanTest, FiveCharacterExtensionsShowWholeEitherWay)
{
    fs_.addFile("D:\\web", "page.html5");
    EXPECT_EQ(scan({}, 0, "D:\\web\\").lines, "page.html5");
    EXPECT_EQ(scan({.withExtension = true}, 0, "D:\\web\\").lines, "page.html5");
}

TEST_F(ListingScanTest, AnUnreadableSizeShowsAsAQuestionMark)
{
    fs_.failSize("D:\\data\\photos", "b");
    EXPECT_THAT(linesOf(scan({.withSize = true}).lines),
                ElementsAre("a   10Byte", "b   ?Byte", "report   1,234Byte"));
}

TEST_F(ListingScanTest, APatternListsOnlyTheMatchingNames)
{
    EXPECT_EQ(scan({}, 0, "D:\\data\\photos\\*.TXT").lines, "report");
}

TEST_F(ListingScanTest, AFolderThatCannotBeReadIsReported)
{
    fs_.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    const auto result = scanFolder(fs_, "E:\\", 0, {});
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, services::FsErrorKind::NotReady);
}

TEST_F(ListingScanTest, AHundredThousandFilesAreNumberedToTheEnd)
{
    for (int i = 0; i < 100000; ++i)
        fs_.addFile("D:\\big", "f" + std::to_string(i) + ".dat", i);
    const ListingScan result = scan({.numbered = true, .withSize = true}, 0, "D:\\big\\");
    EXPECT_EQ(result.namesFound, 100000);
    const auto lines = linesOf(result.lines);
    ASSERT_EQ(lines.size(), 100000u);
    EXPECT_EQ(lines.front(), "1 f0   00Byte");
    EXPECT_EQ(lines.back(), "100000 f99999   99,999Byte");
}

TEST(ListingScanOnDisk, SizesAndTheFolderLineComeFromTheListedFolder)
{
    test::TempDir dir;
    dir.makeFolder("写真");
    const std::string folder = dir.pathOf("写真");
    dir.writeFile("写真/one.txt", "1");
    dir.writeFile("写真/.hidden", "secret");
    dir.makeFolder("写真/sub");

    services::PosixFileSystem fs;
    const auto result = scanFolder(fs, folder + "/", 0, {true, true, true, true});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->lines, "  写真\r\n1 one.txt   01Byte");
    EXPECT_EQ(result->namesFound, 1);
}

} // namespace
} // namespace tavolin::listing
