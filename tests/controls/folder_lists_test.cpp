#include "controls/folder_lists.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace tavolin::controls;

// The handler of a change runs before the view redraws or shows the contents; each drive keeps
// the folder it was last at.
TEST(FolderLists, AChangeRunsTheHandlerFirstAndEachDriveKeepsItsFolder)
{
    tavolin::test::FakeDrives drives; // C:\, D:\ and E:\.
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\data\\b");
    fs.addFolder("D:\\data\\a");
    fs.addFile("D:\\data", "f.txt");
    DriveList list(drives, "D:\\data");
    FolderList folders(fs, "D:\\");
    FileList files(fs);
    std::string log;
    const auto note = [&](std::string text) {
        return [&log, text] {
            log += text + " ";
        };
    };
    list.changed.connect(note("drive")), list.appearanceChanged.connect(note("redraw"));
    folders.changed.connect(note("folder")), folders.contentsChanged.connect(note("contents"));
    files.changed.connect(note("files"));
    list.setDrive("D:\\other");
    list.rememberFolder("E:\\photos");
    list.setDrive("E:\\x");
    note(list.currentFolder())();
    drives.roots = {"D:\\"};
    note(list.isMounted() ? "mounted" : "gone")();
    list.pick("C:\\"), note(list.currentFolder())();
    list.pick("D:\\"), note(list.currentFolder() + (list.isMounted() ? " mounted" : " gone"))();
    EXPECT_FALSE(folders.setPath("D:\\missing"));
    EXPECT_TRUE(folders.setPath("D:\\data\\") && folders.setPath("D:\\data"));
    files.setPath("D:\\data\\");
    for (const std::string &name : folders.subfolders())
        note(name)();
    EXPECT_EQ(log + folders.path() + " " + files.path() + " " + files.names().at(0),
              "drive redraw E:\\photos gone drive redraw C:\\ drive redraw D:\\data mounted "
              "folder contents files a b D:\\data D:\\data f.txt");
}
