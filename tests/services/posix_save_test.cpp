#include "services/posix_text_files.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <grp.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavolin::services;
using tavolin::test::TempDir;
using ::testing::ElementsAre, ::testing::HasSubstr, ::testing::IsEmpty;

namespace {

constexpr uid_t kNobody = 65534; // with the group nogroup, as on Debian
constexpr gid_t kNogroup = 65534;
constexpr uid_t kSomeoneElse = 1000;
constexpr gid_t kUsers = 100;

const std::string kOld = "old listing, longer than the new one\r\n";
const std::string kNew = "new\r\n";

std::optional<FsErrorKind> refusal(const FsResult<void> &result)
{
    return result ? std::nullopt : std::optional(result.error().kind);
}

struct stat statOf(const std::string &path)
{
    struct stat facts
    {};
    EXPECT_EQ(::stat(path.c_str(), &facts), 0) << path;
    return facts;
}

// Every name under `folder`, folders too, relative to it and sorted.
std::vector<std::string> namesUnder(const std::string &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
        names.push_back(std::filesystem::relative(entry.path(), folder));
    std::ranges::sort(names);
    return names;
}

// Saves `text` at `path` in a child process once `prepare` there succeeds, so that what the
// child changes of itself (its user, its limits, its environment) stays in it. The result comes
// back through a pipe as the kind's number and the detail.
FsResult<void>
saveInChild(const std::string &path, std::string_view text, const std::function<bool()> &prepare)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return std::unexpected(FsError{FsErrorKind::Other, "no pipe to the child"});
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        if (!prepare())
            ::_exit(2);
        const auto saved = PosixTextFiles().writeText(path, text);
        const std::string report
                = saved ? "ok"
                        : std::to_string(int(saved.error().kind)) + ':' + saved.error().detail;
        ::_exit(::write(ends[1], report.data(), report.size()) == ssize_t(report.size()) ? 0 : 3);
    }
    ::close(ends[1]);
    std::string report;
    char block[4096];
    for (ssize_t got; (got = ::read(ends[0], block, sizeof block)) > 0;)
        report.append(block, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    const auto colon = report.find(':');
    if (report == "ok")
        return {};
    if (colon == std::string::npos)
        return std::unexpected(FsError{FsErrorKind::Other, "no report from the child"});
    return std::unexpected(
            FsError{FsErrorKind(std::stoi(report.substr(0, colon))), report.substr(colon + 1)});
}

// The child becomes nobody, in nogroup and no other group, whom permissions stop as they stop
// any ordinary user; its cache folder is `cacheHome`.
std::function<bool()> asNobody(const std::string &cacheHome)
{
    return [cacheHome] {
        return ::setenv("XDG_CACHE_HOME", cacheHome.c_str(), 1) == 0 && ::setgroups(0, nullptr) == 0
               && ::setresgid(kNogroup, kNogroup, kNogroup) == 0
               && ::setresuid(kNobody, kNobody, kNobody) == 0;
    };
}

// Gives `path` the owner, group and mode, in that order, since a change of owner may clear the
// set-group-ID bit.
void own(const std::string &path, uid_t owner, gid_t group, mode_t mode)
{
    ASSERT_EQ(::chown(path.c_str(), owner, group), 0) << path;
    ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

// A file of `head`, a hole of `hole` bytes and `tail`: it takes far less room than it holds.
std::string writeSparse(const std::string &path, std::size_t hole)
{
    const std::string head = "head\r\n", tail = "tail\r\n";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0) << path;
    EXPECT_EQ(::pwrite(fd, head.data(), head.size(), 0), ssize_t(head.size()));
    EXPECT_EQ(::pwrite(fd, tail.data(), tail.size(), off_t(head.size() + hole)),
              ssize_t(tail.size()));
    ::close(fd);
    return head + std::string(hole, '\0') + tail;
}

} // namespace

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
    };
    const Row rows[] = {
            {"a new file", "new.txt", false, 0, false},
            {"a new 255-byte name", longest, false, 0, false},
            {"a file of one link", "list.txt", true, 0640, false},
            {"a 255-byte name of one link", longest, true, 0600, false},
            {"a file with a second link", "list.txt", true, 0604, true},
            {"a 255-byte name with a second link", longest, true, 0640, true},
    };
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const Row &row : rows) {
        const TempDir dir;
        std::vector<std::string> names{row.name};
        if (row.exists) {
            dir.writeFile(row.name, kOld);
            dir.setMode(row.name, row.mode);
        }
        if (row.secondLink) {
            ASSERT_EQ(::link(dir.pathOf(row.name).c_str(), dir.pathOf("other").c_str()), 0);
            names.push_back("other");
        }
        const ino_t inode = row.exists ? statOf(dir.pathOf(row.name)).st_ino : 0;
        ASSERT_TRUE(PosixTextFiles().writeText(dir.pathOf(row.name), kNew)) << row.what;
        EXPECT_EQ(dir.readFile(row.name), kNew) << row.what;
        const struct stat saved = statOf(dir.pathOf(row.name));
        EXPECT_EQ(saved.st_mode & 07777, row.exists ? row.mode : 0666 & ~mask) << row.what;
        if (row.secondLink) {
            EXPECT_EQ(dir.readFile("other"), kNew) << row.what;
            EXPECT_EQ(saved.st_ino, inode) << row.what;
            EXPECT_EQ(saved.st_nlink, 2u) << row.what;
        }
        std::ranges::sort(names);
        EXPECT_EQ(dir.names(), names) << row.what << ": nothing is left beside the file";
    }
}

// What a user other than root meets: files of other owners and groups, shared through the group,
// and folders that user may not change.
TEST(PosixSave, AnotherOwnerOrGroupStaysAndAFolderTheSaverMayNotChangeIsNoBar)
{
    if (::geteuid() != 0) {
        // An ordinary user can stage only this: the user's own folder that it may not change.
        const TempDir dir;
        dir.makeFolder("locked");
        dir.writeFile("locked/list.txt", kOld);
        dir.setMode("locked", 0555);
        const std::string cache = dir.pathOf("cache");
        const auto saved = saveInChild(dir.pathOf("locked/list.txt"), kNew, [cache] {
            return ::setenv("XDG_CACHE_HOME", cache.c_str(), 1) == 0;
        });
        EXPECT_TRUE(saved) << saved.error().detail;
        EXPECT_EQ(dir.readFile("locked/list.txt"), kNew);
        EXPECT_THAT(namesUnder(dir.pathOf("locked")), ElementsAre("list.txt"));
        EXPECT_THAT(namesUnder(cache), ElementsAre("tavolin"));
        GTEST_SKIP() << "the rest: files of other owners are made, and saved by nobody, as root";
    }
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
            {"a file in a folder giving its group",
             kNobody,
             kUsers,
             0644,
             kNobody,
             kUsers,
             02775,
             {}},
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
        EXPECT_EQ(after.st_uid, row.owner) << row.what;
        EXPECT_EQ(after.st_gid, row.group) << row.what;
        EXPECT_EQ(after.st_mode & 07777, row.mode) << row.what;
        EXPECT_THAT(namesUnder(dir.pathOf(folder)), ElementsAre("list.txt")) << row.what;
    }
    // The copies made outside the folders that may not be changed are gone too.
    EXPECT_THAT(namesUnder(dir.pathOf("cache")), ElementsAre("tavolin"));
    EXPECT_THAT(namesUnder(dir.pathOf("cache/tavolin")), IsEmpty());
}

// A write that fails part-way, the new file's or the file's own: the old text is whole again and
// nothing is left behind.
TEST(PosixSave, AFailureHalfWayLeavesTheOldTextWholeAndNothingBehind)
{
    TempDir dir;
    // A limit on the size of files makes a write fail (EFBIG) wherever the file lies.
    const auto limited = [] {
        const rlimit limit{64 << 10, 64 << 10};
        return ::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    };
    const bool small = dir.mountSmallFileSystem("small", 64 << 10);
    struct Row
    {
        const char *what;
        std::string folder;
        bool secondLink;
        std::function<bool()> prepare;
        std::optional<FsErrorKind> kind; // when the kind matters
    };
    std::vector<Row> rows{{"a file of one link, size limited", "own", false, limited, {}},
                          {"a file with a second link, size limited", "linked", true, limited, {}}};
    if (small)
        rows.push_back({"a file with a second link, disk full",
                        "small",
                        true,
                        [] { return true; },
                        FsErrorKind::NoSpace});
    for (const Row &row : rows) {
        if (row.folder != "small")
            dir.makeFolder(row.folder);
        const std::string file = row.folder + "/list.txt", other = row.folder + "/other";
        dir.writeFile(file, kOld);
        if (row.secondLink) {
            ASSERT_EQ(::link(dir.pathOf(file).c_str(), dir.pathOf(other).c_str()), 0);
        }
        const ino_t inode = statOf(dir.pathOf(file)).st_ino;
        const auto saved = saveInChild(dir.pathOf(file), std::string(1 << 20, 'x'), row.prepare);
        EXPECT_NE(refusal(saved), std::nullopt) << row.what;
        if (row.kind) {
            EXPECT_EQ(refusal(saved), row.kind) << row.what;
        }
        EXPECT_EQ(dir.readFile(file), kOld) << row.what;
        EXPECT_EQ(statOf(dir.pathOf(file)).st_ino, inode) << row.what;
        if (row.secondLink) {
            EXPECT_EQ(dir.readFile(other), kOld) << row.what;
        }
        EXPECT_EQ(namesUnder(dir.pathOf(row.folder)).size(), row.secondLink ? 2u : 1u) << row.what;
    }
    if (!small)
        GTEST_SKIP() << "the full disk: this process may not mount a small file system";
}

// On a full disk the copy of the old content can be made outside it, but the old content may
// not fit back (it had holes): the copy is kept and named. Where the copy itself finds no room
// beside the file, nothing changes.
TEST(PosixSave, AnOldTextThatCannotBePutBackIsKeptAsACopyThatTheErrorNames)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "a small file system is mounted, and saved on by nobody, only as root";
    TempDir dir;
    own(dir.path(), 0, 0, 0755);
    dir.makeFolder("cache");
    own(dir.pathOf("cache"), kNobody, kNogroup, 0700);
    if (!dir.mountSmallFileSystem("closed", 64 << 10)
        || !dir.mountSmallFileSystem("open", 64 << 10))
        GTEST_SKIP() << "this process may not mount a small file system";
    own(dir.pathOf("closed"), 0, 0, 0755);
    own(dir.pathOf("open"), 0, 0, 0777);
    std::string old;
    for (const char *folder : {"closed", "open"}) {
        old = writeSparse(dir.pathOf(std::string(folder) + "/list.txt"), 200 << 10);
        own(dir.pathOf(std::string(folder) + "/list.txt"), kNobody, kUsers, 0664);
    }
    const auto refused = saveInChild(
            dir.pathOf("open/list.txt"), std::string(1 << 20, 'x'), asNobody(dir.pathOf("cache")));
    EXPECT_EQ(refusal(refused), FsErrorKind::NoSpace);
    EXPECT_EQ(dir.readFile("open/list.txt"), old);
    EXPECT_THAT(namesUnder(dir.pathOf("open")), ElementsAre("list.txt"));

    const auto broken = saveInChild(dir.pathOf("closed/list.txt"),
                                    std::string(1 << 20, 'x'),
                                    asNobody(dir.pathOf("cache")));
    ASSERT_EQ(refusal(broken), FsErrorKind::NoSpace);
    const std::string copies = dir.pathOf("cache/tavolin");
    EXPECT_THAT(broken.error().detail, HasSubstr(copies + '/'));
    const auto kept = namesUnder(copies);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_THAT(broken.error().detail, HasSubstr(copies + '/' + kept[0]));
    EXPECT_EQ(dir.readFile("cache/tavolin/" + kept[0]), old);
    const struct stat copy = statOf(copies + '/' + kept[0]);
    EXPECT_EQ(copy.st_uid, kNobody);
    EXPECT_EQ(copy.st_mode & 0777, 0600u) << "only the saver may read it";
}
