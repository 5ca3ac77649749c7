#include "rename/rename_scan.h"

#include "support/fake_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using ::testing::ElementsAre;

class RenameScanTest : public ::testing::Test
{
protected:
    RenameScan scan(const std::string &folder)
    {
        auto result = scanForRenaming(fs_, folder + "\\");
        EXPECT_TRUE(result.has_value());
        return result.value_or(RenameScan{});
    }

    test::FakeFileSystem fs_;
};

TEST_F(RenameScanTest, SplitsEveryNameLikeTheListing)
{
    for (const char *name :
         {"a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README", ".abc"})
        fs_.addFile("D:\\f", name);
    const RenameScan result = scan("D:\\f");
    EXPECT_THAT(result.names,
                ElementsAre("a.txt", "photo.jpeg", "x.tar.gz", "page.html5", "a.b.", "README"));
    EXPECT_THAT(result.bases, ElementsAre("a", "photo", "x.tar", "page.html5", "a", "README"));
    EXPECT_THAT(result.extensions, ElementsAre(".txt", ".jpeg", ".gz", "", ".b.", ""));
    EXPECT_EQ(result.namesFound, 7); // ".abc" counts but gets no row
}

TEST_F(RenameScanTest, DistinctExtensionsExactlyInOrderOfFirstAppearance)
{
    for (const char *name : {"a.txt", "b.TXT", "n.txt", "readme", "c.jpg"})
        fs_.addFile("D:\\f", name);
    EXPECT_THAT(scan("D:\\f").distinctExtensions, ElementsAre(".txt", ".TXT", ".jpg"));
}

TEST_F(RenameScanTest, FoldersWithoutListableNames)
{
    fs_.addFolder("D:\\empty");
    fs_.addFile("D:\\dots", ".txt");
    fs_.addFile("D:\\dots", ".md");
    const RenameScan empty = scan("D:\\empty");
    EXPECT_EQ(empty.namesFound, 0);
    EXPECT_FALSE(empty.foundAny);
    const RenameScan dots = scan("D:\\dots");
    EXPECT_TRUE(dots.names.empty());
    EXPECT_EQ(dots.namesFound, 2);
    EXPECT_TRUE(dots.foundAny);
}

} // namespace
} // namespace tavolin::rename
