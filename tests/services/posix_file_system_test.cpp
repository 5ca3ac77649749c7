#include "services/posix_file_system.h"

#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <optional>
#include <unistd.h>
#include <utility>

using namespace tavolin::services;
using tavolin::paths::FilePattern;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

// Why a call failed; nothing when it did not.
template<typename T>
static std::optional<FsErrorKind> refusal(const FsResult<T> &result)
{
    return result ? std::nullopt : std::optional(result.error().kind);
}

TEST(PosixFileSystem, ListsOrdinaryFilesThatMatchWhateverTheCaseFoldersAndSizesReadTogether)
{
    const tavolin::test::TempDir dir;
    PosixFileSystem fs;
    const auto list = [&](const std::string &pattern) {
        return fs.listFiles(FilePattern::parse(fs.pathStyle(), dir.pattern() + pattern))
                .value_or(std::vector<std::string>{"failed"});
    };
    EXPECT_THAT(list(""), ElementsAre());
    for (const char *name : {"plain.txt", "B.TXT", ".hidden", "c.doc"})
        dir.writeFile(name);
    ASSERT_EQ(::truncate(dir.pathOf("c.doc").c_str(), 3LL << 30), 0); // sparse: takes no room
    dir.setMode("c.doc", 0444);
    dir.makeFolder("sub.txt");
    dir.makeSymlink(dir.pathOf("plain.txt"), "link-to-file");
    dir.makeSymlink(dir.pathOf("sub.txt"), "link-to-folder");
    dir.makeSymlink(dir.pathOf("missing"), "broken-link");
    EXPECT_THAT(list(""), UnorderedElementsAre("plain.txt", "B.TXT", "c.doc", "link-to-file"));
    EXPECT_THAT(list("*.txt"), UnorderedElementsAre("plain.txt", "B.TXT"));
    EXPECT_THAT(fs.listFolders(dir.path()).value(),
                UnorderedElementsAre("sub.txt", "link-to-folder"));
    // Several threads read the sizes; each lands in the place of its name.
    std::vector<std::string> names{"c.doc"};
    std::vector<std::int64_t> sizes{3LL << 30};
    for (int i = 0; i < 500; ++i) {
        names.push_back("f" + std::to_string(i));
        sizes.push_back(i % 7 == 0 ? kUnknownFileSize : i % 97);
        if (i % 7 != 0)
            dir.writeFile(names.back(), std::string(static_cast<std::size_t>(i % 97), 'x'));
    }
    std::size_t lastDone = 0; // the work done never goes back, or the reading stops
    EXPECT_EQ(fs.fileSizes(dir.pattern(),
                           names,
                           [&](std::size_t done) { return std::exchange(lastDone, done) <= done; }),
              sizes);
    EXPECT_EQ(fs.fileSizes(dir.path(), names, [](std::size_t) { return false; }), std::nullopt);
    EXPECT_EQ(refusal(fs.listFiles({{fs.pathStyle(), dir.pathOf("missing")}, ""})),
              FsErrorKind::NotFound);
    EXPECT_EQ(refusal(fs.openForRenaming(dir.pathOf("missing"))), FsErrorKind::NotFound);
    if (::geteuid() != 0) { // root reads any folder
        dir.setMode("sub.txt", 0);
        EXPECT_EQ(refusal(fs.listFiles({{fs.pathStyle(), dir.pathOf("sub.txt")}, ""})),
                  FsErrorKind::NoPermission);
    }
}

// Each call of a folder open for renaming, and the making of a folder, on the disk.
TEST(PosixFileSystem, AFolderOpenForRenamingMakesOneCallEachAndCreateFolderExactlyOne)
{
    const tavolin::test::TempDir dir;
    PosixFileSystem fs;
    dir.writeFile("a", "A");
    dir.writeFile("b", "B");
    dir.makeSymlink("a", "link-to-a");
    const auto folder = fs.openForRenaming(dir.path()).value();
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
    const auto filesOpen = tavolin::test::TempDir::openFiles();
    EXPECT_THAT(folder->names().value(), UnorderedElementsAre("b", "d", "link-to-a"));
    EXPECT_EQ(tavolin::test::TempDir::openFiles(), filesOpen)
            << "reading the names leaves nothing open";
    ASSERT_TRUE(fs.createFolder(dir.path(), "Photos"));
    EXPECT_EQ(refusal(fs.createFolder(dir.path(), "Photos")), FsErrorKind::Exists);
    EXPECT_EQ(refusal(fs.createFolder(dir.path(), "new/inner")), FsErrorKind::InvalidName);
    EXPECT_EQ(refusal(fs.createFolder(dir.pathOf("missing"), "x")), FsErrorKind::NotFound);
    EXPECT_THAT(dir.names(), ElementsAre("Photos", "b", "d", "link-to-a"));
    EXPECT_EQ(dir.readFile("b") + dir.readFile("d"), "BA");
}
