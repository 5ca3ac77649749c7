#include "services/posix_text_files.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>

#include <sys/resource.h>

using namespace tavolin::services;
using namespace ::testing;

TEST(PosixTextFiles, ReplacesAFileWholeKeepingItsModeOrSaysWhyAndKeepsTheOldFile)
{
    tavolin::test::TempDir dir;
    PosixTextFiles files;
    dir.writeFile("list.txt", "old content that is longer than the new one");
    dir.setMode("list.txt", 0640);
    dir.makeSymlink("list.txt", "link.txt");
    dir.makeFolder("folder");
    EXPECT_TRUE(files.writeText(dir.pathOf("link.txt"), "写真\r\n～\r\n"));
    EXPECT_TRUE(files.writeText(dir.pathOf("new.txt"), "😀"));
    EXPECT_TRUE(files.writeText(dir.pathOf("one.txt"), "x")); // one byte, written in one call
    EXPECT_FALSE(files.writeText(dir.pathOf("folder"), "x"));
    EXPECT_FALSE(files.writeText(dir.pathOf("missing/list.txt"), "x"));
    EXPECT_THAT(dir.names(), ElementsAre("folder", "link.txt", "list.txt", "new.txt", "one.txt"));
    EXPECT_EQ(dir.readFile("link.txt") + dir.readFile("new.txt") + dir.readFile("one.txt"),
              "\x8E\xCA\x90\x5E\r\n\x81\x60\r\n\xEF\xBB\xBF😀x");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const auto &[name, mode] : {std::pair("list.txt", 0640u), {"new.txt", 0666u & ~mask}})
        EXPECT_EQ(unsigned(std::filesystem::status(dir.pathOf(name)).permissions()), mode);
    // A folder that refuses changes and a full file system, where the machine can stage them: the
    // kind of failure is said, the old file stays whole and no temporary file is left.
    const std::string old = "old listing\r\n";
    std::vector<std::pair<std::string, FsErrorKind>> cases;
    dir.makeFolder("locked");
    dir.writeFile("locked/list.txt", old);
    if (dir.makeFolderReadOnly("locked"))
        cases.emplace_back("locked", FsErrorKind::NoPermission);
    if (dir.mountSmallFileSystem("small", 64 * 1024))
        dir.writeFile("small/list.txt", old), cases.emplace_back("small", FsErrorKind::NoSpace);
    if (cases.empty())
        GTEST_SKIP()
                << "the rest: this machine can stage neither a read-only folder nor a full one";
    for (const auto &[folder, kind] : cases) {
        const auto written
                = files.writeText(dir.pathOf(folder + "/list.txt"), std::string(1 << 20, 'x'));
        EXPECT_EQ(written ? FsErrorKind::Other : written.error().kind, kind) << folder;
        EXPECT_EQ(dir.readFile(folder + "/list.txt"), old) << folder;
        const std::filesystem::directory_iterator left(dir.pathOf(folder));
        EXPECT_EQ(std::distance(begin(left), end(left)), 1) << folder;
    }
}

// The peak memory of this process so far, in KiB.
static long peakKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(PosixTextFiles, ReadsLinesAcrossItsBlocksAndAGibibyteOnlyAsFarAsNeeded)
{
    tavolin::test::TempDir dir;
    PosixTextFiles files;
    std::vector<std::string> lines, read;
    const auto keep = [&](std::string_view line) {
        return read.emplace_back(line) != "5";
    };
    EXPECT_EQ(files.readLines(dir.pathOf("missing.txt"), keep).error().kind, FsErrorKind::NotFound);
    // 1.5 MB of long lines: the file is read in blocks of 1 MiB, so one line spans two. Then five
    // lines and a gibibyte of nothing (a sparse file takes no room), and a gibibyte without a
    // line end at all.
    std::string bytes;
    for (int i = 0; i < 30; ++i)
        bytes += lines.emplace_back(50000, static_cast<char>('a' + i)) + (i % 2 ? "\n" : "\r\n");
    dir.writeFile("long.txt", bytes);
    dir.writeFile("huge.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    dir.writeFile("blob.bin");
    for (const char *name : {"huge.txt", "blob.bin"})
        ASSERT_EQ(::truncate(dir.pathOf(name).c_str(), 1LL << 30), 0);
    const long before = peakKiB();
    EXPECT_EQ(files.readLines(dir.pathOf("huge.txt"), keep), TextFiles::ReadEnd::Stopped);
    EXPECT_EQ(files.readLines(dir.pathOf("blob.bin"), keep), TextFiles::ReadEnd::Complete);
    // Five lines, and one of a NUL byte each (which may decode to more bytes) cut short.
    EXPECT_THAT(read, ElementsAre("1", "2", "3", "4", "5", SizeIs(Le(4 * 65536u))));
    EXPECT_LT(peakKiB() - before, 512 * 1024); // also with the sanitizers' own bookkeeping
    read.clear();
    EXPECT_EQ(files.readLines(dir.pathOf("long.txt"), keep), TextFiles::ReadEnd::Complete);
    EXPECT_EQ(read, lines);
}
