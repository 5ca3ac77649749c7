#include "controls/folder_lists.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

using namespace tavolin::controls;
using tavolin::paths::PathStyle;

// The rows as "depth name path", open ones marked "+", joined by "|". A change of drive or
// folder is left to the windows' tests, which go through these lists.
TEST(FolderList, RowsRunFromTheRootToTheCurrentFolderThenItsSubfolders)
{
    const auto w = PathStyle::windows(), p = PathStyle::posix();
    const std::tuple<PathStyle, const char *, const char *> cases[] = {
            {w, "D:\\d", "+0 D:\\ D:\\|+1 d D:\\d|2 a D:\\d\\a|2 b D:\\d\\b|"},
            {w, "D:\\", "+0 D:\\ D:\\|1 a D:\\a|1 b D:\\b|"},
            {p, "/d/s", "+0 / /|+1 d /d|+2 s /d/s|3 a /d/s/a|3 b /d/s/b|"},
            {p, "/", "+0 / /|1 a /a|1 b /b|"},
    };
    for (const auto &[style, current, expected] : cases) {
        tavolin::test::FakeFileSystem fs(style);
        for (const char *sub : {"b", "a"})
            fs.addFolder(tavolin::paths::FolderPath(style, current).child(sub));
        std::string shown;
        const FolderList folders(fs, current);
        for (const FolderRow &row : folders.rows())
            shown += (row.open ? "+" : "") + std::to_string(row.depth) + " " + row.name + " "
                     + row.path + "|";
        EXPECT_EQ(shown, expected) << current;
    }
}

// Another folder is announced, then that its subfolders were read, then why they could not be;
// the same folder again, or one that cannot be opened, announces nothing. A file list is read
// anew each time, and says why it could not be.
TEST(FolderList, AnotherFolderIsAnnouncedThenItsContentsTheSameOneNothing)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\b");
    FolderList folders(fs, "D:\\");
    FileList files(fs);
    std::string log;
    const auto failed = [&log](const tavolin::services::FsError &error) {
        log += "failed:" + error.detail + " ";
    };
    folders.changed.connect([&] { log += "folder "; });
    folders.contentsChanged.connect([&] { log += "contents "; });
    folders.readFailed.connect(failed);
    files.changed.connect([&] { log += "files "; });
    files.readFailed.connect(failed);
    ASSERT_TRUE(folders.setPath("D:\\b\\") && folders.setPath("D:\\b"));
    EXPECT_FALSE(folders.setPath("D:\\gone"));
    files.setPath("D:\\b");
    fs.addFile("D:\\b", "new.txt");
    files.setPath("D:\\b");
    EXPECT_EQ(files.names(), std::vector<std::string>{"new.txt"});
    fs.failFolder("D:\\b", {tavolin::services::FsErrorKind::NoPermission, "denied"});
    folders.refresh();
    files.setPath("D:\\b");
    EXPECT_EQ(log, "folder contents files files contents failed:denied files failed:denied ");
}

// The lists read the disk when their folder changes or on refresh, never as they are drawn, and
// keep why a reading failed until the next one.
TEST(FolderList, ReadsOncePerChangeAndKeepsTheLastError)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\d");
    fs.failFolder("D:\\locked", {tavolin::services::FsErrorKind::NoPermission, "denied"});
    FolderList folders(fs, "D:\\locked");
    FileList files(fs);
    files.setPath("D:\\locked");
    ASSERT_TRUE(folders.error() && files.error());
    EXPECT_EQ(folders.error()->kind, tavolin::services::FsErrorKind::NoPermission);
    EXPECT_EQ(folders.rows().size(), 2u) << "the root and the folder itself";
    EXPECT_TRUE(files.names().empty());

    ASSERT_TRUE(folders.setPath("D:\\"));
    files.setPath("D:\\d");
    EXPECT_FALSE(folders.error() || files.error());
    fs.addFolder("D:\\new");
    EXPECT_EQ(folders.rows().size(), 3u) << "not read again to be drawn";
    folders.refresh();
    EXPECT_EQ(folders.rows().size(), 4u);
}

// A folder that vanished after it was listed is said to be gone, and is gone from the list.
TEST(FolderList, AFolderThatVanishedLeavesTheListWhenItIsOpened)
{
    tavolin::test::FakeFileSystem fs;
    tavolin::test::FakeDrives drives;
    fs.addFolder("D:\\d\\gone");
    DriveList drive(drives, "D:\\d");
    FolderList folders(fs, "D:\\d");
    std::string said;
    DriveFolderLink link(
            drive,
            folders,
            [&](std::string_view, const tavolin::services::FsError &error) {
                said += tavolin::services::FsErrorKind::NotFound == error.kind ? "gone " : "other ";
            },
            false);
    fs.removeFolder("D:\\d\\gone");
    EXPECT_FALSE(link.open("D:\\d\\gone"));
    EXPECT_EQ(said, "gone ");
    EXPECT_EQ(folders.rows().back().name, "d");
}
