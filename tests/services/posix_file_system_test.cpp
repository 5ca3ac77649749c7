#include "services/posix_file_system.h"

#include "support/temp_dir.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace tavolin::services {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class PosixFileSystemTest : public ::testing::Test
{
protected:
    std::vector<std::string> list(const std::string &pattern)
    {
        auto names = fs_.listFiles(pattern);
        EXPECT_TRUE(names.has_value()) << pattern;
        return names.value_or(std::vector<std::string>{});
    }

    PosixFileSystem fs_;
    TempDir dir_;
};

TEST_F(PosixFileSystemTest, ListsOnlyOrdinaryFiles)
{
    dir_.writeFile("plain.txt");
    dir_.writeFile(".hidden");
    dir_.makeFolder("sub");
    dir_.makeFolder("dotted.dir");
    dir_.writeFile("readonly.txt");
    dir_.setMode("readonly.txt", 0444);
    dir_.makeSymlink(dir_.pathOf("plain.txt"), "link-to-file");
    dir_.makeSymlink(dir_.pathOf("sub"), "link-to-folder");
    dir_.makeSymlink(dir_.pathOf("missing"), "broken-link");

    EXPECT_THAT(list(dir_.pattern()),
                UnorderedElementsAre("plain.txt", "readonly.txt", "link-to-file"));
}

TEST_F(PosixFileSystemTest, EmptyAndOneFileFolders)
{
    EXPECT_THAT(list(dir_.pattern()), IsEmpty());
    dir_.writeFile("only.txt");
    EXPECT_THAT(list(dir_.pattern()), ElementsAre("only.txt"));
}

TEST_F(PosixFileSystemTest, PatternsMatchWhateverTheCase)
{
    for (const char *name : {"a.txt", "B.TXT", "c.doc", "README", "ab.txt"})
        dir_.writeFile(name);

    EXPECT_THAT(list(dir_.pattern() + "*.txt"), UnorderedElementsAre("a.txt", "B.TXT", "ab.txt"));
    EXPECT_THAT(list(dir_.pattern() + "?.txt"), UnorderedElementsAre("a.txt", "B.TXT"));
    EXPECT_THAT(list(dir_.pattern() + "*.*").size(), 5u);
    EXPECT_THAT(list(dir_.pattern() + "readme"), ElementsAre("README"));
    EXPECT_THAT(list(dir_.pattern() + "*.xls"), IsEmpty());
}

TEST_F(PosixFileSystemTest, NamesThatAreNotUtf8KeepTheirBytes)
{
    const std::string shiftJisName = "\x83\x65\x83\x58\x83\x67.txt"; // "テスト.txt" in Shift_JIS
    dir_.writeFile(shiftJisName, "12345");

    EXPECT_THAT(list(dir_.pattern()), ElementsAre(shiftJisName));
    EXPECT_EQ(fs_.fileSize(dir_.path(), shiftJisName), 5);
    ASSERT_TRUE(fs_.openForRenaming(dir_.path()).value()->renameNoReplace(shiftJisName, "x"));
    EXPECT_THAT(dir_.names(), ElementsAre("x"));
}

TEST_F(PosixFileSystemTest, AFolderThatCannotBeReadIsAnError)
{
    const auto missing = fs_.listFiles(dir_.pathOf("missing") + "/");
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, FsErrorKind::NotFound);

    if (::geteuid() != 0) { // root reads any folder
        dir_.makeFolder("locked");
        dir_.setMode("locked", 0);
        const auto locked = fs_.listFiles(dir_.pathOf("locked") + "/");
        ASSERT_FALSE(locked);
        EXPECT_EQ(locked.error().kind, FsErrorKind::NoPermission);
    }
}

TEST_F(PosixFileSystemTest, FileSizeIsSixtyFourBits)
{
    dir_.writeFile("small.bin", "abc");
    EXPECT_EQ(fs_.fileSize(dir_.path(), "small.bin"), 3);

    // A sparse file of 3 GiB takes no room on disk.
    const std::int64_t big = 3LL << 30;
    dir_.writeFile("big.bin");
    ASSERT_EQ(::truncate(dir_.pathOf("big.bin").c_str(), big), 0);
    EXPECT_EQ(fs_.fileSize(dir_.path() + "/", "big.bin"), big);

    const auto gone = fs_.fileSize(dir_.path(), "gone.bin");
    ASSERT_FALSE(gone);
    EXPECT_EQ(gone.error().kind, FsErrorKind::NotFound);
}

// Each call of a folder open for renaming, on the disk.
TEST_F(PosixFileSystemTest, AFolderOpenForRenamingMakesOneCallEach)
{
    dir_.writeFile("a", "A");
    dir_.writeFile("b", "B");
    dir_.makeSymlink("a", "link-to-a");
    const auto folder = fs_.openForRenaming(dir_.path()).value();
    const auto refusal = [](const FsResult<void> &result) {
        return result ? std::nullopt : std::optional(result.error().kind);
    };
    EXPECT_EQ(folder->maxNameBytes(), 255u);
    EXPECT_TRUE(folder->isSameFile("a", "a"));
    EXPECT_FALSE(folder->isSameFile("a", "b"));
    EXPECT_FALSE(folder->isSameFile("a", "link-to-a")); // the link is a file of its own
    EXPECT_FALSE(folder->isSameFile("a", "missing"));
    EXPECT_FALSE(folder->isSameFile("missing", "missing"));
    EXPECT_EQ(refusal(folder->renameNoReplace("a", "b")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(folder->renameNoReplace("missing", "c")), FsErrorKind::NotFound);
    EXPECT_EQ(refusal(folder->link("a", "b")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(folder->link("missing", "c")), FsErrorKind::NotFound);
    EXPECT_EQ(refusal(folder->unlink("missing")), FsErrorKind::NotFound);
    ASSERT_TRUE(folder->renameNoReplace("a", "c"));
    ASSERT_TRUE(folder->link("c", "d"));
    EXPECT_TRUE(folder->isSameFile("c", "d"));
    ASSERT_TRUE(folder->unlink("c"));
    EXPECT_THAT(dir_.names(), ElementsAre("b", "d", "link-to-a"));
    EXPECT_EQ(dir_.readFile("b"), "B");
    EXPECT_EQ(dir_.readFile("d"), "A");
}

TEST_F(PosixFileSystemTest, CreateFolderMakesExactlyOne)
{
    ASSERT_TRUE(fs_.createFolder(dir_.path(), "Photos"));
    EXPECT_THAT(dir_.names(), ElementsAre("Photos"));

    const auto again = fs_.createFolder(dir_.path(), "Photos");
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error().kind, FsErrorKind::Exists);

    const auto nested = fs_.createFolder(dir_.path(), "new/inner");
    ASSERT_FALSE(nested);
    EXPECT_EQ(nested.error().kind, FsErrorKind::InvalidName);

    const auto missingParent = fs_.createFolder(dir_.pathOf("missing"), "x");
    ASSERT_FALSE(missingParent);
    EXPECT_EQ(missingParent.error().kind, FsErrorKind::NotFound);
    EXPECT_THAT(dir_.names(), ElementsAre("Photos"));
}

} // namespace
} // namespace tavolin::services
