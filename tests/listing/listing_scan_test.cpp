#include "listing/get_file_list.h"
#include "listing/listing_scan.h"

#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>

using namespace tavolin::listing;
using tavolin::services::FsErrorKind;
using ::testing::ElementsAre;

// GetFileList gives the names, then one empty slot, in place of what was there. The scan's
// options as letters: numbered, extension, size, folder line.
TEST(ListingScan, NumbersFromTheBaseWithGapsAndTheFolderLineOnlyWithTheFirstSlot)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFile("D:\\p", "a.jpg", 10);
    fs.addFile("D:\\p", "b", 0);
    fs.addFile("D:\\p", "c.txt", 1234);
    fs.failSize("D:\\p", "b");
    for (const char *name : {".txt", "a.txt", ".md", "b.txt"})
        fs.addFile("D:\\odd", name);
    fs.addFolder("D:\\empty");
    fs.failFolder("E:\\", {FsErrorKind::NotReady, "no medium"});
    std::vector<std::string> names{"stale"};
    const auto pattern = [&](const char *written) {
        return tavolin::paths::FilePattern::parse(fs.pathStyle(), written);
    };
    EXPECT_EQ(GetFileList(fs, pattern("D:\\p\\"), names), true);
    EXPECT_THAT(names, ElementsAre("a.jpg", "b", "c.txt", ""));
    EXPECT_EQ(GetFileList(fs, pattern("D:\\empty\\"), names), false);
    EXPECT_THAT(names, ElementsAre(""));
    names = {"stale"};
    EXPECT_EQ(GetFileList(fs, pattern("E:\\"), names).error().kind, FsErrorKind::NotReady);
    EXPECT_THAT(names, ElementsAre(""));
    EXPECT_EQ(scanFolder(fs, "E:\\", 0, {}).error().kind, FsErrorKind::NotReady);
    const std::tuple<std::string, int, std::string, const char *, int> cases[] = {
            {"", 0, "p", "a\r\nb\r\nc", 3},
            {"ne", 5, "p", "6 a.jpg\r\n7 b\r\n8 c.txt", 3},
            {"nsf", 0, "p", "  p\r\n1 a   10Byte\r\n2 b   ?Byte\r\n3 c   1,234Byte", 3},
            {"nef", 0, "odd", "2 a.txt\r\n4 b.txt", 4},
            {"f", 0, "empty", "", 0},
    };
    for (const auto &[letters, base, folder, lines, found] : cases) {
        const auto has = [&](char c) {
            return letters.find(c) != std::string::npos;
        };
        const auto options = letters.empty() // every option off, as by default
                                     ? ListingOptions{}
                                     : ListingOptions{has('n'), has('e'), has('s'), has('f')};
        const auto scan = scanFolder(fs, "D:\\" + folder + "\\", base, options);
        EXPECT_EQ(std::tuple(scan->lines, scan->namesFound, scan->foundAny),
                  std::tuple(lines, found, found > 0));
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
