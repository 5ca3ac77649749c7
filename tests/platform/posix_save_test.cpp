// Saving over files on real folders: what stays of the file saved over, and the names the save
// uses on the way.
#include "posix_save_support.h"

using namespace tavolin::services;
using tavolin::test::TempDir;
using ::testing::ElementsAre, ::testing::HasSubstr, ::testing::IsEmpty;
using namespace tavolin::test::save;

// Through both ways of saving: the file's mode and its other links stay, and neither the new
// file's temporary name nor the copy of the old content is ever longer than a valid name.
TEST(PosixSave, AFileKeepsItsModeAndItsOtherLinksAndA255ByteNameSaves)
{
    const std::string longest = std::string(251, 'n') + ".txt"; // 255 bytes, the most there is
    struct Row
    {
        const char *what;
        std::string name;
        bool exists;
        mode_t mode;
        bool secondLink;
        std::string old = kOld;
    };
    const Row rows[] = {
            {"a new file", "new.txt", false, 0, false},
            {"a new 255-byte name", longest, false, 0, false},
            {"a file of one link", "list.txt", true, 0640, false},
            {"a 255-byte name of one link", longest, true, 0600, false},
            {"a file with a second link", "list.txt", true, 0604, true},
            {"a 255-byte name with a second link", longest, true, 0640, true},
            {"an empty file with a second link", "list.txt", true, 0644, true, ""},
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const Row &row : rows) {
        const TempDir dir;
        std::vector<std::string> names{row.name};
        if (row.exists) {
            dir.writeFile(row.name, row.old);
            dir.setMode(row.name, row.mode);
        }
        if (row.secondLink) {
            ASSERT_EQ(::link(dir.pathOf(row.name).c_str(), dir.pathOf("other").c_str()), 0);
            names.push_back("other");
        }
        const ino_t inode = row.exists ? statOf(dir.pathOf(row.name)).st_ino : 0;
        ASSERT_TRUE(PosixTextFiles().writeBytes(dir.pathOf(row.name), kNew)) << row.what;
        EXPECT_EQ(dir.readFile(row.name), kNew) << row.what;
        const struct stat saved = statOf(dir.pathOf(row.name));
        EXPECT_EQ(saved.st_mode & 07777, row.exists ? row.mode : 0666 & ~mask) << row.what;
        if (row.secondLink) {
            EXPECT_EQ(std::tuple(dir.readFile("other"), saved.st_ino, saved.st_nlink),
                      std::tuple(kNew, inode, nlink_t{2}))
                    << row.what;
        }
        std::ranges::sort(names);
        EXPECT_EQ(dir.names(), names) << row.what << ": nothing is left beside the file";
    }
    // One byte more than a name may have: the new file is written and then refused its name.
    const TempDir dir;
    EXPECT_EQ(refusal(PosixTextFiles().writeBytes(dir.pathOf("n" + longest), kNew)),
              FsErrorKind::NameTooLong);
    EXPECT_THAT(dir.names(), IsEmpty()) << "nothing is left of the refused file";
}

// What a user other than root meets: files of other owners and groups, shared through the group,
// and folders that user may not change.
TEST(PosixSave, AnotherOwnerOrGroupStaysAndAFolderTheSaverMayNotChangeIsNoBar)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "files of other owners are made, and saved by nobody, only as root";
    TempDir dir;
    own(dir.path(), 0, 0, 0755);
    dir.makeFolder("cache");
    own(dir.pathOf("cache"), kNobody, kNogroup, 0700);
    struct Row
    {
        const char *what;
        uid_t owner;
        gid_t group;
        mode_t mode;
        uid_t folderOwner;
        gid_t folderGroup;
        mode_t folderMode;
        std::optional<FsErrorKind> refusal;
    };
    const auto kRefused = std::optional(FsErrorKind::NoPermission);
    const Row rows[] = {
            {"another owner's file, shared by group", kSomeoneElse, kNogroup, 0664, 0, 0, 0777, {}},
            {"the saver's file of another group", kNobody, kUsers, 0664, 0, 0, 0777, {}},
            {"a file in a setgid folder", kNobody, kUsers, 0644, kNobody, kUsers, 02775, {}},
            {"the saver's file, folder not writable", kNobody, kNogroup, 0640, 0, 0, 0755, {}},
            {"another's file, folder not writable", kSomeoneElse, kUsers, 0666, 0, 0, 0755, {}},
            {"a file the saver may not write", kSomeoneElse, kNogroup, 0644, 0, 0, 0777, kRefused},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row &row = rows[i];
        const std::string folder = "folder" + std::to_string(i), file = folder + "/list.txt";
        dir.makeFolder(folder);
        dir.writeFile(file, kOld);
        own(dir.pathOf(file), row.owner, row.group, row.mode);
        own(dir.pathOf(folder), row.folderOwner, row.folderGroup, row.folderMode);
        const auto saved = saveInChild(dir.pathOf(file), kNew, asNobody(dir.pathOf("cache")));
        EXPECT_EQ(refusal(saved), row.refusal)
                << row.what << ": " << (saved ? "" : saved.error().detail);
        EXPECT_EQ(dir.readFile(file), row.refusal ? kOld : kNew) << row.what;
        const struct stat after = statOf(dir.pathOf(file));
        EXPECT_EQ(std::tuple(after.st_uid, after.st_gid, after.st_mode & 07777),
                  std::tuple(row.owner, row.group, row.mode))
                << row.what;
        EXPECT_THAT(namesUnder(dir.pathOf(folder)), ElementsAre("list.txt")) << row.what;
    }
    // The copies made outside the folders that may not be changed are gone too.
    EXPECT_THAT(namesUnder(dir.pathOf("cache")), ElementsAre("tavolin"));
    EXPECT_THAT(namesUnder(dir.pathOf("cache/tavolin")), IsEmpty());
}
