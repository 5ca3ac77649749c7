#include "listing/get_file_list.h"

#include "support/fake_file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::listing {
namespace {

using ::testing::ElementsAre;

class GetFileListTest : public ::testing::Test
{
protected:
    test::FakeFileSystem fs_;
    std::vector<std::string> names_{"stale", "entries"};
};

TEST_F(GetFileListTest, EmptyFolderGivesOnlyTheEmptySlot)
{
    fs_.addFolder("D:\\empty");
    EXPECT_EQ(GetFileList(fs_, "D:\\empty\\", names_), false);
    EXPECT_THAT(names_, ElementsAre(""));
}

TEST_F(GetFileListTest, OneFileGivesUpperBoundOne)
{
    fs_.addFile("D:\\one", "a.txt");
    EXPECT_EQ(GetFileList(fs_, "D:\\one\\", names_), true);
    EXPECT_THAT(names_, ElementsAre("a.txt", ""));
}

TEST_F(GetFileListTest, DirectoryOrderHiddenFilesAndFoldersLeftOut)
{
    fs_.addFile("D:\\data", "b.txt");
    fs_.addFile("D:\\data", "secret.txt", 0, /*hidden=*/true);
    fs_.addFolder("D:\\data\\sub");
    fs_.addFile("D:\\data", "a.doc");
    EXPECT_EQ(GetFileList(fs_, "D:\\data\\", names_), true);
    EXPECT_THAT(names_, ElementsAre("b.txt", "a.doc", ""));
    EXPECT_EQ(GetFileList(fs_, "D:\\data\\*.TXT", names_), true);
    EXPECT_THAT(names_, ElementsAre("b.txt", ""));
}

TEST_F(GetFileListTest, ASecondCallReplacesTheFirstCompletely)
{
    fs_.addFile("D:\\many", "1");
    fs_.addFile("D:\\many", "2");
    fs_.addFile("D:\\many", "3");
    fs_.addFile("D:\\few", "x");
    GetFileList(fs_, "D:\\many\\", names_);
    GetFileList(fs_, "D:\\few\\", names_);
    EXPECT_THAT(names_, ElementsAre("x", ""));
}

TEST_F(GetFileListTest, AFolderThatCannotBeReadLeavesOnlyTheEmptySlot)
{
    fs_.failFolder("E:\\", {services::FsErrorKind::NotReady, "no medium"});
    const auto result = GetFileList(fs_, "E:\\", names_);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, services::FsErrorKind::NotReady);
    EXPECT_THAT(names_, ElementsAre(""));
}

} // namespace
} // namespace tavolin::listing
