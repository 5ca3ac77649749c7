#include "rename/apply_renames.h"

#include "services/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tavolin::rename {
namespace {

using services::FsErrorKind;
using ::testing::ElementsAre;

class ApplyRenamesTest : public ::testing::Test
{
protected:
    RenameOutcome apply(const std::vector<std::string> &names,
                        const std::vector<std::string> &bases,
                        const std::vector<std::string> &extensions)
    {
        return ApplyRenames(fs_, dir_.path(), names, bases, extensions, [&](int row) {
            rowsSeen_.push_back(row);
        });
    }

    test::TempDir dir_;
    services::PosixFileSystem fs_;
    std::vector<int> rowsSeen_;
};

TEST_F(ApplyRenamesTest, RenamesChangedRowsInOrderAndSkipsTheRest)
{
    for (const char *name : {"a.txt", "b.jpg", "c"})
        dir_.writeFile(name, name);
    const auto outcome = apply({"a.txt", "b.jpg", "c"}, {"x", "b", "z"}, {".txt", ".jpg", ".md"});
    EXPECT_EQ(outcome.renamed, 2);
    EXPECT_FALSE(outcome.failure);
    EXPECT_THAT(rowsSeen_, ElementsAre(0, 1, 2));
    EXPECT_THAT(dir_.names(), ElementsAre("b.jpg", "x.txt", "z.md"));
    EXPECT_EQ(dir_.readFile("x.txt"), "a.txt");
    EXPECT_EQ(dir_.readFile("z.md"), "c");
}

TEST_F(ApplyRenamesTest, ASwapIsRefusedAndNothingIsLost)
{
    dir_.writeFile("a.txt", "A");
    dir_.writeFile("b.txt", "B");
    const auto outcome = apply({"a.txt", "b.txt"}, {"b", "a"}, {".txt", ".txt"});
    EXPECT_EQ(outcome.renamed, 0);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->row, 0);
    EXPECT_EQ(outcome.failure->from, "a.txt");
    EXPECT_EQ(outcome.failure->to, "b.txt");
    EXPECT_EQ(outcome.failure->error.kind, FsErrorKind::Exists);
    EXPECT_THAT(rowsSeen_, ElementsAre(0)); // the batch stops at the refused row
    EXPECT_EQ(dir_.readFile("a.txt"), "A");
    EXPECT_EQ(dir_.readFile("b.txt"), "B");
}

TEST_F(ApplyRenamesTest, TheRenamesBeforeARefusalStay)
{
    for (const char *name : {"1.txt", "2.txt", "3.txt"})
        dir_.writeFile(name, name);
    const auto outcome
            = apply({"1.txt", "2.txt", "3.txt"}, {"one", "3", "three"}, {".txt", ".txt", ".txt"});
    EXPECT_EQ(outcome.renamed, 1);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->row, 1);
    EXPECT_THAT(dir_.names(), ElementsAre("2.txt", "3.txt", "one.txt"));
}

TEST_F(ApplyRenamesTest, NamesThatAreNotOneNameNeverMoveAFile)
{
    dir_.makeFolder("sub");
    for (const std::string &bad : std::vector<std::string>{
                 "../x", "sub/a", "", ".", "..", std::string(300, 'n'), ".hidden"}) {
        dir_.writeFile("a.txt", "A");
        const auto outcome = apply({"a.txt"}, {bad}, {""});
        ASSERT_TRUE(outcome.failure) << bad;
        EXPECT_THAT(outcome.failure->error.kind,
                    ::testing::AnyOf(FsErrorKind::InvalidName, FsErrorKind::HiddenName))
                << bad;
        EXPECT_THAT(dir_.names(), ElementsAre("a.txt", "sub")) << bad;
    }
}

TEST_F(ApplyRenamesTest, ACaseOnlyChangeIsARename)
{
    dir_.writeFile("a.txt", "A");
    const auto outcome = apply({"a.txt"}, {"A"}, {".txt"});
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_THAT(dir_.names(), ElementsAre("A.txt"));
}

TEST_F(ApplyRenamesTest, RowsWithoutAPlannedNameAreLeftAlone)
{
    for (const char *name : {"a.txt", "b.txt", "c.txt"})
        dir_.writeFile(name);
    const auto outcome = apply({"a.txt", "b.txt", "c.txt"}, {"x"}, {".txt", ".txt", ".txt"});
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_FALSE(outcome.failure);
    EXPECT_THAT(dir_.names(), ElementsAre("b.txt", "c.txt", "x.txt"));
}

TEST_F(ApplyRenamesTest, AFolderThatIsGoneIsReported)
{
    const auto outcome = ApplyRenames(fs_, dir_.pathOf("gone"), {"a"}, {"b"}, {""}, nullptr);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->row, -1);
    EXPECT_EQ(outcome.failure->error.kind, FsErrorKind::NotFound);
}

// On file systems that ignore case (vfat, exFAT) the target of a.txt -> A.txt "exists".
class CaseBlindRenameTest : public ::testing::Test
{
protected:
    CaseBlindRenameTest()
    {
        fs_.setIgnoresCase(true);
        fs_.addFile("E:\\card", "a.txt");
        fs_.addFile("E:\\card", "b.txt");
    }

    test::FakeFileSystem fs_;
};

TEST_F(CaseBlindRenameTest, ACaseOnlyChangeGoesThroughATemporaryName)
{
    const auto outcome = ApplyRenames(fs_, "E:\\card\\", {"a.txt"}, {"A"}, {".txt"}, nullptr);
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_FALSE(outcome.failure);
    EXPECT_THAT(fs_.files("E:\\card"), ElementsAre("A.txt", "b.txt"));
    EXPECT_THAT(fs_.log(),
                ElementsAre("rename E:\\card: a.txt -> tavolin-rename-0.tmp",
                            "rename E:\\card: tavolin-rename-0.tmp -> A.txt"));
}

TEST_F(CaseBlindRenameTest, AnotherFileUnderAnotherCaseIsStillTaken)
{
    const auto outcome = ApplyRenames(fs_, "E:\\card\\", {"a.txt"}, {"B"}, {".txt"}, nullptr);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->error.kind, FsErrorKind::Exists);
    EXPECT_THAT(fs_.files("E:\\card"), ElementsAre("a.txt", "b.txt"));
}

TEST_F(CaseBlindRenameTest, ATakenTemporaryNameIsSkipped)
{
    fs_.addFile("E:\\card", "tavolin-rename-0.tmp");
    const auto outcome = ApplyRenames(fs_, "E:\\card\\", {"a.txt"}, {"A"}, {".txt"}, nullptr);
    EXPECT_EQ(outcome.renamed, 1);
    EXPECT_THAT(fs_.files("E:\\card"), ElementsAre("A.txt", "b.txt", "tavolin-rename-0.tmp"));
}

} // namespace
} // namespace tavolin::rename
