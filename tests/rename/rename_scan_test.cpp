#include "rename/rename_scan.h"

#include "support/fake_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using ::testing::ElementsAre;

TEST(RenameScanTest, EveryNameWithABaseGetsARowInDirectoryOrder)
{
    test::FakeFileSystem fs;
    for (const char *name : {"a.txt", "x.tar.gz", "a.b.", "README", ".abc", "b.TXT", "n.txt"})
        fs.addFile("D:\\f", name);
    const RenameScan scan = scanForRenaming(fs, "D:\\f\\").value();
    EXPECT_THAT(scan.names, ElementsAre("a.txt", "x.tar.gz", "a.b.", "README", "b.TXT", "n.txt"));
    EXPECT_THAT(scan.bases, ElementsAre("a", "x.tar", "a", "README", "b", "n"));
    EXPECT_THAT(scan.extensions, ElementsAre(".txt", ".gz", ".b.", "", ".TXT", ".txt"));
    EXPECT_THAT(scan.distinctExtensions, ElementsAre(".txt", ".gz", ".b.", ".TXT"));
    EXPECT_EQ(scan.namesFound, 7); // ".abc" counts but gets no row
    EXPECT_TRUE(scan.foundAny);
}

TEST(RenameScanTest, FoldersWithoutListableNames)
{
    test::FakeFileSystem fs;
    fs.addFolder("D:\\empty");
    fs.addFile("D:\\dots", ".txt");
    const RenameScan empty = scanForRenaming(fs, "D:\\empty\\").value();
    EXPECT_EQ(empty.namesFound, 0);
    EXPECT_FALSE(empty.foundAny);
    const RenameScan dots = scanForRenaming(fs, "D:\\dots\\").value();
    EXPECT_TRUE(dots.names.empty());
    EXPECT_EQ(dots.namesFound, 1);
    EXPECT_TRUE(dots.foundAny);
}

} // namespace
} // namespace tavolin::rename
