// Saves that fail half-way, on real folders: the old text stays whole, or is kept as a copy the
// error names.
#include "posix_save_support.h"

using namespace tavolin::services;
using tavolin::test::TempDir;
using ::testing::ElementsAre, ::testing::HasSubstr, ::testing::IsEmpty, ::testing::StartsWith;
using namespace tavolin::test::save;

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
    const std::string head = "head\r\n", old = head + std::string(200 << 10, '\0');
    for (const std::string folder : {"closed", "open"}) {
        dir.writeFile(folder + "/list.txt", head);
        ASSERT_EQ(::truncate(dir.pathOf(folder + "/list.txt").c_str(), off_t(old.size())), 0);
        own(dir.pathOf(folder + "/list.txt"), kNobody, kUsers, 0664);
    }
    const auto refused = saveInChild(
            dir.pathOf("open/list.txt"), std::string(1 << 20, 'x'), asNobody(dir.pathOf("cache")));
    EXPECT_EQ(refusal(refused), FsErrorKind::NoSpace);
    EXPECT_EQ(dir.readFile("open/list.txt"), old);
    EXPECT_THAT(namesUnder(dir.pathOf("open")), ElementsAre("list.txt"));

    // The copy's path comes back on a line of its own before the words, for the message to name.
    const auto broken = inChild(asNobody(dir.pathOf("cache")), [&] {
        auto saved = PosixTextFiles().writeBytes(dir.pathOf("closed/list.txt"),
                                                 std::string(1 << 20, 'x'));
        if (!saved)
            saved.error().detail = saved.error().keptCopy + '\n' + saved.error().detail;
        return saved;
    });
    ASSERT_EQ(refusal(broken), FsErrorKind::NoSpace);
    const std::string copies = dir.pathOf("cache/tavolin");
    const auto kept = namesUnder(copies);
    ASSERT_EQ(kept.size(), 1u);
    const std::string copy = copies + '/' + kept[0];
    EXPECT_THAT(broken.error().detail, StartsWith(copy + '\n'));
    EXPECT_THAT(broken.error().detail, HasSubstr("its old content is in " + copy));
    EXPECT_EQ(dir.readFile("cache/tavolin/" + kept[0]), old);
    const struct stat copied = statOf(copy);
    EXPECT_EQ(std::pair(copied.st_uid, copied.st_mode & 0777), std::pair(kNobody, 0600u))
            << "only the saver may read it";
}
