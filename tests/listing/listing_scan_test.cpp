#include "listing/get_file_list.h"
#include "listing/listing_scan.h"

#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tavolin::listing;
using tavolin::services::FsErrorKind;
using ::testing::ElementsAre;

TEST(GetFileList, TheNamesThenOneEmptySlotInPlaceOfWhatWasThere)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFile("D:\\data", "b.txt");
    fs.addFile("D:\\data", "a.doc");
    fs.addFolder("D:\\empty");
    fs.failFolder("E:\\", {FsErrorKind::NotReady, "no medium"});
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(GetFileList(fs, "D:\\data\\", names), true);
    EXPECT_THAT(names, ElementsAre("b.txt", "a.doc", ""));
    EXPECT_EQ(GetFileList(fs, "D:\\empty\\", names), false);
    EXPECT_THAT(names, ElementsAre(""));
    names = {"stale"};
    EXPECT_EQ(GetFileList(fs, "E:\\", names).error().kind, FsErrorKind::NotReady);
    EXPECT_THAT(names, ElementsAre(""));
    EXPECT_EQ(scanFolder(fs, "E:\\", 0, {}).error().kind, FsErrorKind::NotReady);
}

TEST(ListingScan, NumbersFromTheBaseWithGapsAndTheFolderLineOnlyWithTheFirstSlot)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFile("D:\\photos", "a.jpg", 10);
    fs.addFile("D:\\photos", "b", 0);
    fs.addFile("D:\\photos", "report.txt", 1234);
    fs.failSize("D:\\photos", "b");
    for (const char *name : {".txt", "a.txt", ".md", "b.txt"})
        fs.addFile("D:\\odd", name);
    fs.addFolder("D:\\empty");
    struct Case
    {
        ListingOptions options;
        std::int64_t base;
        const char *pattern, *lines;
        int found;
    };
    const Case cases[] = {
            {{}, 0, "D:\\photos\\", "a\r\nb\r\nreport", 3},
            {{.numbered = true, .withExtension = true},
             5,
             "D:\\photos\\",
             "6 a.jpg\r\n7 b\r\n8 report.txt",
             3},
            {{true, false, true, true},
             0,
             "D:\\photos\\",
             "  photos\r\n1 a   10Byte\r\n2 b   ?Byte\r\n3 report   1,234Byte",
             3},
            {{true, true, false, true}, 0, "D:\\odd\\", "2 a.txt\r\n4 b.txt", 4},
            {{.withFolderLine = true}, 0, "D:\\empty\\", "", 0},
    };
    for (const Case &c : cases) {
        const auto scan = scanFolder(fs, c.pattern, c.base, c.options);
        EXPECT_EQ(scan->lines, c.lines);
        EXPECT_EQ(scan->namesFound, c.found);
        EXPECT_EQ(scan->foundAny, c.found > 0);
    }
}

TEST(ListingScan, OnDiskSizesComeFromTheListedFolder)
{
    tavolin::test::TempDir dir;
    dir.makeFolder("写真");
    dir.writeFile("写真/one.txt", "1");
    dir.writeFile("写真/.hidden", "secret");
    dir.makeFolder("写真/sub");
    tavolin::services::PosixFileSystem fs;
    const auto scan = scanFolder(fs, dir.pathOf("写真/"), 0, {true, true, true, true});
    EXPECT_EQ(scan->lines, "  写真\r\n1 one.txt   01Byte");
}

} // namespace
