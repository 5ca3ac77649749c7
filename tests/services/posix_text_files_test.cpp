#include "services/posix_text_files.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>

namespace {

using namespace tavolin::services;
using ::testing::ElementsAre;

TEST(PosixTextFiles, ReplacesAFileWholeKeepingItsModeAndLeavesNothingBehindOnFailure)
{
    tavolin::test::TempDir dir;
    PosixTextFiles files;
    dir.writeFile("list.txt", "old content that is longer than the new one");
    dir.setMode("list.txt", 0640);
    dir.makeSymlink("list.txt", "link.txt");
    dir.makeFolder("folder");
    EXPECT_TRUE(files.writeText(dir.pathOf("link.txt"), "写真\r\n～\r\n"));
    EXPECT_TRUE(files.writeText(dir.pathOf("new.txt"), "😀"));
    EXPECT_FALSE(files.writeText(dir.pathOf("folder"), "x"));
    EXPECT_FALSE(files.writeText(dir.pathOf("missing/list.txt"), "x"));
    EXPECT_THAT(dir.names(), ElementsAre("folder", "link.txt", "list.txt", "new.txt"));
    EXPECT_EQ(dir.readFile("link.txt"), "\x8E\xCA\x90\x5E\r\n\x81\x60\r\n");
    EXPECT_EQ(dir.readFile("new.txt"), "\xEF\xBB\xBF😀");
    struct stat info
    {};
    EXPECT_EQ(::lstat(dir.pathOf("list.txt").c_str(), &info) == 0 ? info.st_mode & 0777 : 0, 0640u);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(::lstat(dir.pathOf("new.txt").c_str(), &info) == 0 ? info.st_mode & 0777 : 0,
              0666u & ~mask);
}

// The peak memory of this process so far, in KiB.
long peakKiB()
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
        return read.emplace_back(line), true;
    };
    EXPECT_EQ(files.readLines(dir.pathOf("missing.txt"), keep).error().kind, FsErrorKind::NotFound);
    // 1.5 MB of long lines: the file is read in blocks of 1 MiB, so one line spans two.
    std::string bytes;
    for (int i = 0; i < 30; ++i)
        bytes += lines.emplace_back(50000, static_cast<char>('a' + i)) + (i % 2 ? "\n" : "\r\n");
    dir.writeFile("long.txt", bytes);
    EXPECT_EQ(files.readLines(dir.pathOf("long.txt"), keep), TextFiles::ReadEnd::Complete);
    EXPECT_EQ(read, lines);
    // Lines and then a gibibyte of nothing (a sparse file takes no room), and a gibibyte of
    // nothing without a line end at all.
    dir.writeFile("huge.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    dir.writeFile("blob.bin");
    ASSERT_EQ(::truncate(dir.pathOf("huge.txt").c_str(), 1LL << 30), 0);
    ASSERT_EQ(::truncate(dir.pathOf("blob.bin").c_str(), 1LL << 30), 0);
    const long before = peakKiB();
    read.clear();
    const auto five = [&](std::string_view line) {
        return keep(line) && read.size() < 5;
    };
    EXPECT_EQ(files.readLines(dir.pathOf("huge.txt"), five), TextFiles::ReadEnd::Stopped);
    EXPECT_THAT(read, ElementsAre("1", "2", "3", "4", "5"));
    read.clear();
    EXPECT_EQ(files.readLines(dir.pathOf("blob.bin"), keep), TextFiles::ReadEnd::Complete);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_LE(read[0].size(), 4 * 65536u); // a NUL byte may decode to more bytes
    // Far from the gibibyte, also with the sanitizers' own bookkeeping.
    EXPECT_LT(peakKiB() - before, 512 * 1024);
}

} // namespace
