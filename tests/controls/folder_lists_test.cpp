#include "controls/folder_lists.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace tavolin::controls;
using ::testing::ElementsAre;

TEST(FolderLists, ADriveChangeRunsTheHandlerBeforeTheRedrawAndEachDriveKeepsItsFolder)
{
    tavolin::test::FakeDrives drives; // C:\, D:\ and E:\.
    DriveList list(drives, "D:\\data");
    std::string log;
    list.changed.connect([&] { log += "changed "; });
    list.appearanceChanged.connect([&] { log += "redraw "; });
    list.setDrive("D:\\other");
    list.rememberFolder("E:\\photos");
    list.setDrive("E:\\x");
    EXPECT_EQ(log, "changed redraw ");
    EXPECT_EQ(list.currentFolder(), "E:\\photos");
    drives.roots = {"D:\\"};
    EXPECT_FALSE(list.isMounted());
    list.pick("C:\\");
    EXPECT_EQ(list.currentFolder(), "C:\\");
    list.pick("D:\\");
    EXPECT_EQ(list.currentFolder(), "D:\\data");
    EXPECT_TRUE(list.isMounted());
}

TEST(FolderLists, AFolderChangeRunsTheHandlerBeforeTheContentsAreShown)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\data\\b");
    fs.addFolder("D:\\data\\a");
    fs.addFile("D:\\data", "f.txt");
    FolderList folders(fs, "D:\\");
    FileList files(fs);
    std::string log;
    folders.changed.connect([&] { log += "changed "; });
    folders.contentsChanged.connect([&] { log += "contents "; });
    files.changed.connect([&] { log += "files "; });
    EXPECT_FALSE(folders.setPath("D:\\missing"));
    EXPECT_TRUE(folders.setPath("D:\\data\\"));
    EXPECT_TRUE(folders.setPath("D:\\data"));
    files.setPath("D:\\data\\");
    EXPECT_EQ(log, "changed contents files ");
    EXPECT_EQ(folders.path() + "|" + files.path(), "D:\\data|D:\\data");
    EXPECT_THAT(folders.subfolders(), ElementsAre("a", "b"));
    EXPECT_THAT(files.names(), ElementsAre("f.txt"));
}

} // namespace
