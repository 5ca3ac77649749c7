#include "services/posix_text_files.h"

#include "support/temp_dir.h"
#include "text/line_reader.h"

#include <sys/resource.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::services {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PosixTextFilesTest : public ::testing::Test
{
protected:
    std::vector<std::string> readAll(const std::string &name)
    {
        std::vector<std::string> lines;
        const auto result = files_.readLines(dir_.pathOf(name), [&](std::string_view line) {
            lines.emplace_back(line);
            return true;
        });
        EXPECT_TRUE(result.has_value());
        return lines;
    }

    PosixTextFiles files_;
    TempDir dir_;
};

TEST_F(PosixTextFilesTest, WritesCp932AndReplacesAnExistingFile)
{
    dir_.writeFile("list.txt", "old content that is longer than the new one");
    ASSERT_TRUE(files_.writeText(dir_.pathOf("list.txt"), "写真\r\n～\r\n"));
    EXPECT_EQ(dir_.readFile("list.txt"), "\x8E\xCA\x90\x5E\r\n\x81\x60\r\n");
}

TEST_F(PosixTextFilesTest, FailedWritesLeaveTheOldFileWhole)
{
    dir_.makeFolder("folder");
    const auto ontoFolder = files_.writeText(dir_.pathOf("folder"), "x");
    EXPECT_FALSE(ontoFolder);

    const auto missingFolder = files_.writeText(dir_.pathOf("missing/list.txt"), "x");
    EXPECT_FALSE(missingFolder);
    EXPECT_THAT(dir_.names(), ElementsAre("folder"));
}

TEST_F(PosixTextFilesTest, ReadsCrLfAndLoneLfLineEnds)
{
    dir_.writeFile("mixed.txt", "one\r\ntwo\nthree\r\n\r\n six \nlast");
    EXPECT_THAT(readAll("mixed.txt"), ElementsAre("one", "two", "three", "", " six ", "last"));
}

TEST_F(PosixTextFilesTest, EmptyFilesHaveNoLinesAndAFinalLineEndAddsNone)
{
    dir_.writeFile("empty.txt");
    EXPECT_THAT(readAll("empty.txt"), IsEmpty());
    dir_.writeFile("one.txt", "a\r\n");
    EXPECT_THAT(readAll("one.txt"), ElementsAre("a"));
    dir_.writeFile("blank.txt", "\r\n");
    EXPECT_THAT(readAll("blank.txt"), ElementsAre(""));
}

TEST_F(PosixTextFilesTest, DecodesCp932AndUtf8AfterAByteOrderMark)
{
    dir_.writeFile("sjis.txt", "\x8E\xCA\x90\x5E\r\n\x87\x40");
    EXPECT_THAT(readAll("sjis.txt"), ElementsAre("写真", "①"));
    dir_.writeFile("utf8.txt", "\xEF\xBB\xBF😀\r\n\xff.bin\n");
    EXPECT_THAT(readAll("utf8.txt"), ElementsAre("😀", "\xff.bin"));
}

TEST_F(PosixTextFilesTest, WhatIsWrittenReadsBackTheSame)
{
    for (const std::string text : {"写真\r\n①～ｶﾅ", "😀 emoji\r\nÄrger", "\xff\xfe raw"}) {
        ASSERT_TRUE(files_.writeText(dir_.pathOf("round.txt"), text + "\r\n"));
        std::string read;
        for (const auto &line : readAll("round.txt"))
            read += (read.empty() ? "" : "\r\n") + line;
        EXPECT_EQ(read, text);
    }
}

TEST_F(PosixTextFilesTest, ReadingStopsWhenTheHandlerHasEnough)
{
    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "line\r\n";
    dir_.writeFile("many.txt", many);
    int seen = 0;
    ASSERT_TRUE(files_.readLines(dir_.pathOf("many.txt"),
                                 [&](std::string_view) { return ++seen < 3; }));
    EXPECT_EQ(seen, 3);
}

// The peak memory of this process so far, in KiB.
long peakKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST_F(PosixTextFilesTest, AGibibyteFileIsReadOnlyAsFarAsNeeded)
{
    // Five lines, then a gibibyte of nothing (a sparse file takes no room).
    dir_.writeFile("huge.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    ASSERT_EQ(::truncate(dir_.pathOf("huge.txt").c_str(), 1LL << 30), 0);
    const long before = peakKiB();
    int lines = 0;
    const auto read = files_.readLines(dir_.pathOf("huge.txt"),
                                       [&](std::string_view) { return ++lines < 5; });
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, TextFiles::ReadEnd::Stopped);
    EXPECT_EQ(lines, 5);
    EXPECT_LT(peakKiB() - before, 512 * 1024);
}

TEST_F(PosixTextFilesTest, AGibibyteWithoutALineEndNeverFillsMemory)
{
    dir_.writeFile("blob.bin");
    ASSERT_EQ(::truncate(dir_.pathOf("blob.bin").c_str(), 1LL << 30), 0);
    const long before = peakKiB();
    std::vector<std::size_t> lengths;
    const auto read = files_.readLines(dir_.pathOf("blob.bin"), [&](std::string_view line) {
        lengths.push_back(line.size());
        return true;
    });
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, TextFiles::ReadEnd::Complete);
    ASSERT_EQ(lengths.size(), 1u);
    EXPECT_LE(lengths[0],
              4 * text::LineReader::kMaxLineBytes); // a NUL byte may decode to more bytes
    // Far from the gibibyte, also with the sanitizers' own bookkeeping.
    EXPECT_LT(peakKiB() - before, 512 * 1024);
}

TEST_F(PosixTextFilesTest, AMissingFileCannotBeRead)
{
    const auto result
            = files_.readLines(dir_.pathOf("missing.txt"), [](std::string_view) { return true; });
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error().kind, FsErrorKind::NotFound);
}

TEST_F(PosixTextFilesTest, LinesSpanningReadChunksArriveWhole)
{
    // 1.5 MB of long lines: the file is read in blocks of 1 MiB, so one line spans two.
    std::vector<std::string> lines;
    std::string bytes;
    for (int i = 0; i < 30; ++i) {
        lines.emplace_back(50000, static_cast<char>('a' + i % 26));
        bytes += lines.back() + "\r\n";
    }
    dir_.writeFile("long.txt", bytes);
    EXPECT_EQ(readAll("long.txt"), lines);
}

} // namespace
} // namespace tavolin::services
