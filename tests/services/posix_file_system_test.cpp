#include "services/posix_file_system.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace tavolin::services {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// Why a call failed; nothing when it did not.
template<typename T>
std::optional<FsErrorKind> refusal(const FsResult<T> &result)
{
    return result ? std::nullopt : std::optional(result.error().kind);
}

class PosixFileSystemTest : public ::testing::Test
{
protected:
    FsResult<std::vector<std::string>> listFiles(const std::string &pattern)
    {
        return fs_.listFiles(paths::FilePattern::parse(fs_.pathStyle(), pattern));
    }
    std::vector<std::string> list(const std::string &pattern)
    {
        return listFiles(dir_.pattern() + pattern).value_or(std::vector<std::string>{"failed"});
    }

    PosixFileSystem fs_;
    test::TempDir dir_;
};

TEST_F(PosixFileSystemTest, ListsOrdinaryFilesThatMatchWhateverTheCaseAndFolders)
{
    EXPECT_THAT(list(""), ElementsAre());
    for (const char *name : {"plain.txt", "B.TXT", ".hidden", "c.doc"})
        dir_.writeFile(name);
    dir_.setMode("c.doc", 0444);
    dir_.makeFolder("sub.txt");
    dir_.makeSymlink(dir_.pathOf("plain.txt"), "link-to-file");
    dir_.makeSymlink(dir_.pathOf("sub.txt"), "link-to-folder");
    dir_.makeSymlink(dir_.pathOf("missing"), "broken-link");
    EXPECT_THAT(list(""), UnorderedElementsAre("plain.txt", "B.TXT", "c.doc", "link-to-file"));
    EXPECT_THAT(list("*.txt"), UnorderedElementsAre("plain.txt", "B.TXT"));
    EXPECT_THAT(fs_.listFolders(dir_.path()).value(),
                UnorderedElementsAre("sub.txt", "link-to-folder"));
    EXPECT_EQ(refusal(listFiles(dir_.pathOf("missing") + "/")), FsErrorKind::NotFound);
    if (::geteuid() != 0) { // root reads any folder
        dir_.setMode("sub.txt", 0);
        EXPECT_EQ(refusal(listFiles(dir_.pathOf("sub.txt") + "/")), FsErrorKind::NoPermission);
    }
}

TEST_F(PosixFileSystemTest, NamesThatAreNotUtf8KeepTheirBytes)
{
    const std::string shiftJisName = "\x83\x65\x83\x58\x83\x67.txt"; // "テスト.txt" in Shift_JIS
    dir_.writeFile(shiftJisName, "12345");
    EXPECT_THAT(list(""), ElementsAre(shiftJisName));
    EXPECT_EQ(fs_.fileSize(dir_.path(), shiftJisName), 5);
    ASSERT_TRUE(fs_.openForRenaming(dir_.path()).value()->renameNoReplace(shiftJisName, "x"));
    EXPECT_THAT(dir_.names(), ElementsAre("x"));
}

TEST_F(PosixFileSystemTest, FileSizeIsSixtyFourBits)
{
    const std::int64_t big = 3LL << 30; // a sparse file takes no room on disk
    dir_.writeFile("big.bin");
    ASSERT_EQ(::truncate(dir_.pathOf("big.bin").c_str(), big), 0);
    EXPECT_EQ(fs_.fileSize(dir_.pattern(), "big.bin"), big);
    EXPECT_EQ(refusal(fs_.fileSize(dir_.path(), "gone.bin")), FsErrorKind::NotFound);
}

// Each call of a folder open for renaming, on the disk.
TEST_F(PosixFileSystemTest, AFolderOpenForRenamingMakesOneCallEach)
{
    dir_.writeFile("a", "A");
    dir_.writeFile("b", "B");
    dir_.makeSymlink("a", "link-to-a");
    const auto folder = fs_.openForRenaming(dir_.path()).value();
    EXPECT_EQ(folder->maxNameBytes(), 255u);
    const auto a = folder->identify("a");
    ASSERT_TRUE(a.has_value());
    EXPECT_NE(a, folder->identify("b"));
    EXPECT_NE(a, folder->identify("link-to-a")); // the link is a file of its own
    EXPECT_EQ(folder->identify("missing"), std::nullopt);
    EXPECT_EQ(refusal(folder->renameNoReplace("a", "b")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(folder->renameNoReplace("missing", "c")), FsErrorKind::NotFound);
    EXPECT_EQ(refusal(folder->link("a", "b")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(folder->link("missing", "c")), FsErrorKind::NotFound);
    EXPECT_EQ(refusal(folder->unlink("missing")), FsErrorKind::NotFound);
    ASSERT_TRUE(folder->renameNoReplace("a", "c"));
    ASSERT_TRUE(folder->link("c", "d"));
    EXPECT_EQ(folder->identify("d"), a);
    ASSERT_TRUE(folder->unlink("c"));
    EXPECT_THAT(dir_.names(), ElementsAre("b", "d", "link-to-a"));
    EXPECT_EQ(dir_.readFile("b"), "B");
    EXPECT_EQ(dir_.readFile("d"), "A");
}

TEST_F(PosixFileSystemTest, CreateFolderMakesExactlyOne)
{
    ASSERT_TRUE(fs_.createFolder(dir_.path(), "Photos"));
    EXPECT_EQ(refusal(fs_.createFolder(dir_.path(), "Photos")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(fs_.createFolder(dir_.path(), "new/inner")), FsErrorKind::InvalidName);
    EXPECT_EQ(refusal(fs_.createFolder(dir_.pathOf("missing"), "x")), FsErrorKind::NotFound);
    EXPECT_THAT(dir_.names(), ElementsAre("Photos"));
}

} // namespace
} // namespace tavolin::services
