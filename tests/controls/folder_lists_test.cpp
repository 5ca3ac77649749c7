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
    for (const FolderRow &row : folders.rows())
        if (!row.open)
            note(row.name)();
    EXPECT_EQ(log + folders.path() + " " + files.path() + " " + files.names().at(0),
              "drive redraw E:\\photos gone drive redraw C:\\ drive redraw D:\\data mounted "
              "folder contents files a b D:\\data D:\\data f.txt");
}

// Each row as "depth name path", open rows marked with "+".
TEST(FolderList, RowsRunFromTheRootToTheCurrentFolderThenItsSubfolders)
{
    struct Case
    {
        tavolin::paths::PathStyle style;
        std::string current;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
            {tavolin::paths::PathStyle::windows(),
             "D:\\data\\sub",
             {"+0 D:\\ D:\\",
              "+1 data D:\\data",
              "+2 sub D:\\data\\sub",
              "3 a D:\\data\\sub\\a",
              "3 b D:\\data\\sub\\b"}},
            {tavolin::paths::PathStyle::windows(),
             "D:\\",
             {"+0 D:\\ D:\\", "1 a D:\\a", "1 b D:\\b"}},
            {tavolin::paths::PathStyle::posix(),
             "/data/sub",
             {"+0 / /", "+1 data /data", "+2 sub /data/sub", "3 a /data/sub/a", "3 b /data/sub/b"}},
            {tavolin::paths::PathStyle::posix(), "/", {"+0 / /", "1 a /a", "1 b /b"}},
    };
    for (const Case &c : cases) {
        tavolin::test::FakeFileSystem fs(c.style);
        for (const char *sub : {"b", "a"})
            fs.addFolder(tavolin::paths::FolderPath(c.style, c.current).child(sub));
        FolderList list(fs, c.current);
        std::vector<std::string> shown;
        for (const FolderRow &row : list.rows())
            shown.push_back((row.open ? "+" : "") + std::to_string(row.depth) + " " + row.name + " "
                            + row.path);
        EXPECT_EQ(shown, c.rows) << c.current;
    }
}
