#include "paths/path_style.h"

#include <gtest/gtest.h>

namespace tavolin::paths {
namespace {

const PathStyle windows = PathStyle::windows();
const PathStyle posix = PathStyle::posix();

TEST(PathStyle, PathFieldAddsOneSeparatorExceptAtADriveRoot)
{
    EXPECT_EQ(windows.pathField("D:\\Tools\\Lister"), "D:\\Tools\\Lister\\");
    EXPECT_EQ(windows.pathField("E:\\"), "E:\\");
    EXPECT_EQ(posix.pathField("/home/user"), "/home/user/");
    EXPECT_EQ(posix.pathField("/"), "/");
}

TEST(PathStyle, DriveRootIsExactlyTheRoot)
{
    EXPECT_TRUE(windows.isDriveRoot("D:\\"));
    EXPECT_FALSE(windows.isDriveRoot("D:"));
    EXPECT_FALSE(windows.isDriveRoot("D:\\a"));
    EXPECT_TRUE(posix.isDriveRoot("/"));
    EXPECT_FALSE(posix.isDriveRoot("/mnt"));
    EXPECT_FALSE(posix.isDriveRoot(""));
}

TEST(PathStyle, LastComponent)
{
    EXPECT_EQ(windows.lastComponent("D:\\data\\photos"), "photos");
    EXPECT_EQ(windows.lastComponent("D:\\data"), "data");
    EXPECT_EQ(windows.lastComponent("D:\\"), "");
    EXPECT_EQ(posix.lastComponent("/home/user/photos"), "photos");
    EXPECT_EQ(posix.lastComponent("/"), "");
    EXPECT_EQ(windows.parentOf("D:\\data\\photos\\"), "D:\\data");
    EXPECT_EQ(windows.parentOf("D:\\data"), "D:\\");
    EXPECT_EQ(windows.parentOf("D:\\"), "");
    EXPECT_EQ(posix.parentOf("/home/user"), "/home");
    EXPECT_EQ(posix.parentOf("/home"), "/");
    EXPECT_EQ(posix.parentOf("/"), "");
}

TEST(PathStyle, SplitPatternAtTheLastSeparator)
{
    const auto whole = windows.splitPattern("D:\\data\\");
    EXPECT_EQ(whole.folder, "D:\\data\\");
    EXPECT_EQ(whole.namePattern, "");
    const auto some = posix.splitPattern("/data/*.txt");
    EXPECT_EQ(some.folder, "/data/");
    EXPECT_EQ(some.namePattern, "*.txt");
}

TEST(PathStyle, InsideMeansTheFolderItselfOrBelowASeparator)
{
    EXPECT_TRUE(posix.isInside("/run/media/usb", "/run/media"));
    EXPECT_TRUE(posix.isInside("/run", "/run"));
    EXPECT_FALSE(posix.isInside("/running", "/run"));
    EXPECT_TRUE(posix.isInside("/media", "/"));
    EXPECT_TRUE(windows.isInside("D:\\data", "D:\\"));
    EXPECT_FALSE(windows.isInside("D:\\database", "D:\\data"));
}

TEST(PathStyle, JoinNeverDoublesTheSeparator)
{
    EXPECT_EQ(windows.join("D:\\", "a.txt"), "D:\\a.txt");
    EXPECT_EQ(windows.join("D:\\data", "a.txt"), "D:\\data\\a.txt");
    EXPECT_EQ(posix.join("/", "a"), "/a");
    EXPECT_EQ(posix.join("/tmp/", "a"), "/tmp/a");
}

TEST(PathStyle, WithoutTrailingSeparatorKeepsTheRoot)
{
    EXPECT_EQ(windows.withoutTrailingSeparator("D:\\data\\"), "D:\\data");
    EXPECT_EQ(windows.withoutTrailingSeparator("D:\\"), "D:\\");
    EXPECT_EQ(posix.withoutTrailingSeparator("/"), "/");
    EXPECT_EQ(posix.withoutTrailingSeparator("/tmp//"), "/tmp");
}

TEST(PathStyle, DriveRootOf)
{
    EXPECT_EQ(windows.driveRootOf("D:\\data\\x"), "D:\\");
    EXPECT_EQ(windows.driveRootOf("data"), "");
    EXPECT_EQ(posix.driveRootOf("/tmp"), "/");
}

} // namespace
} // namespace tavolin::paths
