#include "controls/folder_lists.h"

#include "support/fake_file_system.h"
#include "support/fake_services.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

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
    EXPECT_EQ(tavolin::test::unpacked(files.names()), std::vector<std::string>{"new.txt"});
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

// Picking a drive opens its current folder; where that does not open, the drive list stays on
// the drive picked, or goes back to the folder list's drive when the link is told to. A folder
// that vanished after it was listed is said to be gone, and is gone from the list.
TEST(DriveFolderLink, ADriveOrFolderThatDoesNotOpenIsSaidAndTheDriveStaysPickedOrGoesBack)
{
    for (const bool backOnFailure : {false, true}) {
        for (const bool opens : {false, true}) {
            SCOPED_TRACE(std::to_string(backOnFailure) + std::to_string(opens));
            tavolin::test::FakeFileSystem fs;
            tavolin::test::FakeDrives drives;
            fs.addFolder("D:\\d\\gone");
            if (opens)
                fs.addFolder("E:\\");
            DriveList drive(drives, "D:\\d");
            FolderList folders(fs, "D:\\d");
            std::string said;
            const auto say = [&](std::string_view, const tavolin::services::FsError &error) {
                said += error.kind == tavolin::services::FsErrorKind::NotFound ? "gone " : "other ";
            };
            DriveFolderLink link(drive, folders, say, backOnFailure);
            fs.removeFolder("D:\\d\\gone");
            EXPECT_FALSE(link.open("D:\\d\\gone"));
            EXPECT_EQ(folders.rows().back().name, "d");
            drive.pick("E:\\");
            EXPECT_EQ(said + drive.drive() + folders.path(),
                      opens           ? "gone E:\\E:\\"
                      : backOnFailure ? "gone gone D:\\D:\\d"
                                      : "gone gone E:\\D:\\d");
        }
    }
}

namespace {

// Work handed to the background, each run (work, then what follows it) when the test says, in
// the order it says: readings that end out of order, or after their list has gone.
class HeldBackground : public Background
{
public:
    void run(std::function<void()> work, std::function<void()> done) override
    {
        m_jobs.push_back({std::move(work), std::move(done)});
    }
    void finish(std::size_t job)
    {
        m_jobs.at(job).first();
        m_jobs.at(job).second();
    }
    std::size_t jobs() const { return m_jobs.size(); }

private:
    std::vector<std::pair<std::function<void()>, std::function<void()>>> m_jobs;
};

} // namespace

// In the background a file list is empty while its folder is read, and shows what it read, or
// why not, once that is done; a reading overtaken by a newer one is dropped, whether it ends
// before or after it, and so is one that ends after the list has gone.
TEST(FileList, ReadInTheBackgroundItShowsTheLastFolderAskedFor)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFile("D:\\a", "file10.txt");
    fs.addFile("D:\\a", "file2.txt");
    fs.addFile("D:\\b", "b.txt");
    fs.failFolder("D:\\locked", {tavolin::services::FsErrorKind::NoPermission, "denied"});
    HeldBackground background;
    std::string log;
    {
        FileList files(fs, &background);
        files.changed.connect([&] {
            log += files.reading() ? "reading" : "read";
            for (const std::string &name : tavolin::test::unpacked(files.names()))
                log += " " + name;
            log += files.error() ? " (" + files.error()->detail + ")|" : "|";
        });
        files.setPath("D:\\a");
        files.setPath("D:\\b");
        ASSERT_EQ(background.jobs(), 2U);
        background.finish(1);
        background.finish(0); // overtaken
        EXPECT_EQ(tavolin::test::unpacked(files.names()), std::vector<std::string>{"b.txt"});
        files.setPath("D:\\a");
        background.finish(2);
        files.setOrder(tavolin::order::FileOrder::NaturalName);
        background.finish(3);
        files.setPath("D:\\locked");
        background.finish(4);
        files.setPath("D:\\b");
    }
    background.finish(5); // the list has gone
    EXPECT_EQ(log,
              "reading|reading|read b.txt|reading|read file10.txt file2.txt|reading|read "
              "file2.txt file10.txt|reading|read (denied)|reading|");
}

// In the background the folder list shows the way to its folder at once and the folders inside
// once they are read, announced again then; an overtaken reading is dropped.
TEST(FolderList, ReadInTheBackgroundTheFoldersInsideComeOnceRead)
{
    tavolin::test::FakeFileSystem fs;
    fs.addFolder("D:\\d\\inner");
    fs.addFolder("D:\\e\\other");
    HeldBackground background;
    FolderList folders(fs, "D:\\d", &background);
    std::string log;
    const auto rows = [&] {
        std::string shown;
        for (const FolderRow &row : folders.rows())
            shown += row.name + (row.open ? "+" : "") + " ";
        return shown + (folders.reading() ? "(reading)" : "");
    };
    folders.contentsChanged.connect([&] { log += rows() + "|"; });
    EXPECT_EQ(rows(), "D:\\+ d+ (reading)");
    background.finish(0);
    EXPECT_EQ(rows(), "D:\\+ d+ inner ");
    ASSERT_TRUE(folders.setPath("D:\\e"));
    ASSERT_TRUE(folders.setPath("D:\\d"));
    background.finish(2);
    background.finish(1); // overtaken
    EXPECT_EQ(log, "D:\\+ d+ inner |D:\\+ e+ (reading)|D:\\+ d+ (reading)|D:\\+ d+ inner |");
}
