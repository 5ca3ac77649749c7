#include "controls/folder_lists.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace tavolin::controls;

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
    log += list.currentFolder() + " ";
    drives.roots = {"D:\\"};
    log += list.isMounted() ? "mounted " : "gone ";
    list.pick("C:\\");
    log += list.currentFolder() + " ";
    list.pick("D:\\");
    log += list.currentFolder() + (list.isMounted() ? " mounted" : " gone");
    EXPECT_EQ(log,
              "changed redraw E:\\photos gone changed redraw C:\\ changed redraw D:\\data mounted");
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
    EXPECT_TRUE(folders.setPath("D:\\data\\") && folders.setPath("D:\\data"));
    files.setPath("D:\\data\\");
    for (const std::string &name : folders.subfolders())
        log += name + " ";
    EXPECT_EQ(log + folders.path() + " " + files.path() + " " + files.names().at(0),
              "changed contents files a b D:\\data D:\\data f.txt");
}
