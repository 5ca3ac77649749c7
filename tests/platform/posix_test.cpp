#include "platform/posix_file_system.h"
#include "posix_save_support.h"

#include <fcntl.h>
#include <utility>

using namespace tavolin::services;
using namespace tavolin::test::save;
using tavolin::test::TempDir;
using ::testing::ElementsAre, ::testing::Le, ::testing::SizeIs, ::testing::UnorderedElementsAre;

// What only a real folder has: hidden files, symbolic links, permissions, files larger than 2 GiB,
// times to the nanosecond, facts read by several threads. What every file system answers alike
// is held in tests/rename/file_system_contract_test.cpp.
TEST(PosixFileSystem, LeavesOutHiddenFilesAndBrokenLinksAndReadsFactsOfManyFilesInPlace)
{
    const TempDir dir;
    PosixFileSystem fs;
    const auto list = [&](std::string_view folder) {
        return fs.listFiles({{fs.pathStyle(), dir.pathOf(folder)}, {}});
    };
    for (const char *name : {"a.txt", ".hidden", "c.doc"})
        dir.writeFile(name);
    ASSERT_EQ(::truncate(dir.pathOf("c.doc").c_str(), 3LL << 30), 0); // sparse: takes no room
    dir.setMode("c.doc", 0444);
    dir.makeFolder("sub");
    dir.makeSymlink(dir.pathOf("a.txt"), "link-to-file");
    dir.makeSymlink(dir.pathOf("sub"), "link-to-folder");
    dir.makeSymlink(dir.pathOf("missing"), "broken-link");
    EXPECT_THAT(list("").value(), UnorderedElementsAre("a.txt", "c.doc", "link-to-file"));
    EXPECT_THAT(fs.listFolders({fs.pathStyle(), dir.path()}).value(),
                UnorderedElementsAre("sub", "link-to-folder"));
    const auto folder = fs.openForRenaming({fs.pathStyle(), dir.path()}).value();
    EXPECT_EQ(folder->maxNameBytes(), 255u);
    EXPECT_NE(folder->identify("a.txt"), folder->identify("link-to-file")); // a file of its own
    const auto filesOpen = TempDir::openFiles();
    EXPECT_EQ(folder->names()->size(), 7u);
    EXPECT_EQ(TempDir::openFiles(), filesOpen) << "reading the names leaves nothing open";
    // Several threads read the facts; each lands in the place of its name.
    std::vector<std::string> names{"c.doc"};
    std::vector<std::int64_t> sizes{3LL << 30};
    for (int i = 0; i < 500; ++i) {
        names.push_back("f" + std::to_string(i));
        sizes.push_back(i % 7 == 0 ? kUnknownFileSize : i % 97);
        if (i % 7 != 0)
            dir.writeFile(names.back(), std::string(static_cast<std::size_t>(i % 97), 'x'));
    }
    const timespec times[2] = {{0, UTIME_OMIT}, {1'700'000'000, 123'456'789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.pathOf("f1").c_str(), times, 0), 0);
    std::size_t lastDone = 0; // the work done never goes back, or the reading stops
    const auto facts = fs.fileFacts({fs.pathStyle(), dir.pattern()}, names, [&](std::size_t done) {
        return std::exchange(lastDone, done) <= done;
    });
    ASSERT_TRUE(facts);
    std::vector<std::int64_t> read;
    for (const FileFacts &file : *facts)
        read.push_back(file.size);
    EXPECT_EQ(read, sizes);
    EXPECT_EQ((*facts)[2].modified.time_since_epoch(),
              std::chrono::nanoseconds(1'700'000'000'123'456'789));
    EXPECT_EQ(fs.fileFacts({fs.pathStyle(), dir.path()}, names, [](std::size_t) { return false; }),
              std::nullopt);
    EXPECT_EQ(refusal(list("missing")), FsErrorKind::NotFound);
    EXPECT_EQ(refusal(fs.createFolder({fs.pathStyle(), dir.pathOf("missing")}, "x")),
              FsErrorKind::NotFound);
    if (::geteuid() != 0) { // root reads any folder
        dir.setMode("sub", 0);
        EXPECT_EQ(refusal(list("sub")), FsErrorKind::NoPermission);
    }
}

TEST(PosixTextFiles, ReplacesTheFileALinkLeadsToOrSaysWhyAndKeepsTheOldFile)
{
    TempDir dir;
    PosixTextFiles files;
    dir.writeFile("list.txt", "old content that is longer than the new one");
    dir.setMode("list.txt", 0640);
    dir.makeSymlink("list.txt", "link.txt");
    dir.makeFolder("folder");
    EXPECT_TRUE(files.writeBytes(dir.pathOf("link.txt"), "\x8E\xCA\x90\x5E\r\n\x81\x60\r\n"));
    EXPECT_TRUE(files.writeBytes(dir.pathOf("new.txt"), "\xEF\xBB\xBF😀"));
    EXPECT_TRUE(files.writeBytes(dir.pathOf("one.txt"), "x")); // one byte, written in one call
    EXPECT_FALSE(files.writeBytes(dir.pathOf("folder"), "x"));
    EXPECT_FALSE(files.writeBytes(dir.pathOf("missing/list.txt"), "x"));
    EXPECT_THAT(dir.names(), ElementsAre("folder", "link.txt", "list.txt", "new.txt", "one.txt"));
    EXPECT_EQ(dir.readFile("link.txt") + dir.readFile("new.txt") + dir.readFile("one.txt"),
              "\x8E\xCA\x90\x5E\r\n\x81\x60\r\n\xEF\xBB\xBF😀x");
    // A folder that refuses changes, where the machine can stage one (for root by a read-only
    // mount): the kind of failure is said, the old file stays whole and nothing is left beside it.
    dir.makeFolder("locked");
    dir.writeFile("locked/list.txt", "old");
    dir.setMode("locked/list.txt", 0444); // else it is rewritten in place, folder or not
    if (!dir.makeFolderReadOnly("locked"))
        GTEST_SKIP() << "the rest: this machine cannot stage a read-only folder";
    const auto written = files.writeBytes(dir.pathOf("locked/list.txt"), "new");
    EXPECT_EQ(refusal(written),
              ::geteuid() == 0 ? FsErrorKind::ReadOnly : FsErrorKind::NoPermission);
    EXPECT_EQ(dir.readFile("locked/list.txt"), "old");
    EXPECT_THAT(namesUnder(dir.pathOf("locked")), ElementsAre("list.txt"));
}

TEST(PosixTextFiles, ReadsLinesAcrossItsBlocksAndAGibibyteOnlyAsFarAsNeeded)
{
    TempDir dir;
    PosixTextFiles files;
    std::vector<std::string> read;
    const auto keep = [&](std::string_view line) {
        return read.emplace_back(line) != "5";
    };
    EXPECT_EQ(files.readLines(dir.pathOf("missing.txt"), keep).error().kind, FsErrorKind::NotFound);
    // Five lines and a gibibyte of nothing (a sparse file takes no room), and a gibibyte without a
    // line end at all, which the file's blocks of 1 MiB cut. A line across two blocks in any other
    // file is the line reader's to join.
    dir.writeFile("huge.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    dir.writeFile("blob.bin");
    for (const char *name : {"huge.txt", "blob.bin"})
        ASSERT_EQ(::truncate(dir.pathOf(name).c_str(), 1LL << 30), 0);
    rusage usage{}; // the peak memory of this process so far, in KiB
    ::getrusage(RUSAGE_SELF, &usage);
    const long before = usage.ru_maxrss;
    EXPECT_EQ(files.readLines(dir.pathOf("huge.txt"), keep)->end, TextFiles::ReadEnd::Stopped);
    EXPECT_EQ(files.readLines(dir.pathOf("blob.bin"), keep)->end, TextFiles::ReadEnd::Complete);
    // Five lines, and one of a NUL byte each (which may decode to more bytes) cut short.
    EXPECT_THAT(read, ElementsAre("1", "2", "3", "4", "5", SizeIs(Le(4 * 65536u))));
    ::getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - before, 512 * 1024); // also with the sanitizers' own bookkeeping
}

// A names file that is a folder, or that the user may not read, is refused as such; one saved
// in UTF-8 without a byte-order mark says it was read so.
TEST(PosixTextFiles, SaysWhyAFileCannotBeReadAndHowOneWasRead)
{
    TempDir dir;
    PosixTextFiles files;
    const auto ignore = [](std::string_view) {
        return true;
    };
    dir.makeFolder("names");
    EXPECT_EQ(files.readLines(dir.pathOf("names"), ignore).error().kind, FsErrorKind::IsAFolder);
    dir.writeFile("utf8.txt", "東京\n名前\n報告書\n");
    std::vector<std::string> read;
    const auto result = files.readLines(dir.pathOf("utf8.txt"), [&](std::string_view line) {
        return read.emplace_back(line), true;
    });
    EXPECT_EQ(result->encoding, tavolin::text::textfile::Encoding::Utf8);
    EXPECT_THAT(read, ElementsAre("東京", "名前", "報告書"));

    // Permissions do not stop root: then the reading is tried as the user nobody.
    dir.writeFile("secret.txt", "a\n");
    dir.setMode("secret.txt", 0);
    const auto asUser = ::geteuid() == 0 ? asNobody(dir.pathOf("cache")) : [] {
        return true;
    };
    const auto refused = inChild(asUser, [&]() -> FsResult<void> {
        if (auto read = files.readLines(dir.pathOf("secret.txt"), ignore); !read)
            return std::unexpected(read.error());
        return {};
    });
    EXPECT_EQ(refusal(refused), FsErrorKind::NoPermission);
}
