#include "rename/apply_renames.h"
#include "support/planned_rows.h"
#include "support/row_observer.h"

#include "platform/posix_file_system.h"
#include "support/fake_file_system.h"
#include "support/temp_dir.h"
#include "support/words.h"

#include <gtest/gtest.h>

#include <array>

namespace tavolin::rename {
namespace {

using Names = std::vector<std::string>;
using test::words;

// The problems of an outcome as "row:Kind" words.
std::string problems(const RenameOutcome &outcome)
{
    static const Names kKinds = words("InvalidName HiddenName TooLong SameAsAnotherRow "
                                      "TakenByStayingFile FileChanged NotOnThisDisk "
                                      "ControlCharacter EmptyName");
    std::string text;
    for (const RowProblem &problem : outcome.problems)
        text += std::to_string(problem.row) + ":" + kKinds[static_cast<int>(problem.kind)] + " ";
    return text;
}

// Batches on a real folder whose files hold their first names. Each case: the files there, the
// listed files, their planned names ("=" for unchanged), the rows in the order renamed, and the
// folder after as name:content, or the problems (row:kind) when nothing may be renamed.
TEST(ApplyRenamesTest, ReachesThePlannedNamesInAnyOrderOrRenamesNothing)
{
    const std::string tooLong(256, 'x'), tmp = "tavolin-rename-0.tmp";
    const std::array<std::string, 5> cases[] = {
            {"a.t b.j c", "a.t b.j c", "x.t = z.m", "0 2 ", "b.j:b.j x.t:a.t z.m:c "},
            {"a b", "a b", "b a", "0 1 0 ", "a:b b:a "},             // a swap
            {"a b c", "a b c", "b c a", "0 2 1 0 ", "a:c b:a c:b "}, // a cycle of three
            {"a b c", "a b c", "b c d", "2 1 0 ", "b:a c:b d:c "},   // a shift: from the end
            {"a.txt", "a.txt", "A.txt", "0 ", "A.txt:a.txt "},       // a change of case only
            {"a b", "a b", "a? end.", "0 1 ", "a?:a end.:b "},       // refused on FAT only
            {"a b " + tmp, "a b", "b a", "0 1 0 ", "a:b b:a " + tmp + ":" + tmp + " "},
            // Nothing is renamed when any row cannot be; every such row is listed.
            {"a b c", "a b c", "x x =", "", "0:SameAsAnotherRow 1:SameAsAnotherRow "},
            {"a b keep", "a b", "keep a", "", "0:TakenByStayingFile "}, // a file outside the batch
            {"a b c", "a b c", "c d =", "", "0:TakenByStayingFile "},   // a listed file that stays
            {"a b c d",
             "a b c d",
             "e/f .g " + tooLong + " =",
             "",
             "0:InvalidName 1:HiddenName 2:TooLong "},
    };
    services::PosixFileSystem fs;
    for (const auto &[files, listing, plan, renamedInOrder, folderAfter] : cases) {
        SCOPED_TRACE(plan.substr(0, 20));
        const test::TempDir dir;
        for (const std::string &name : words(files))
            dir.writeFile(name, name);
        const Names listed = words(listing);
        Names planned = words(plan);
        int changed = 0;
        for (std::size_t row = 0; row < planned.size(); ++row) {
            planned[row] = planned[row] == "=" ? listed[row] : planned[row];
            changed += planned[row] != listed[row];
        }
        std::string order, after;
        test::RowObserver ordering([&](int row) { order += std::to_string(row) + " "; });
        const auto outcome
                = ApplyRenames(fs, dir.path(), test::renamesTo(listed, planned), {}, ordering);
        EXPECT_FALSE(outcome.failure);
        EXPECT_EQ(order, renamedInOrder);
        for (const std::string &name : dir.names())
            after += name + ":" + dir.readFile(name) + " ";
        EXPECT_EQ(outcome.problems.empty() ? after : problems(outcome), folderAfter);
        EXPECT_EQ(outcome.renamed, outcome.problems.empty() ? changed : 0);
        EXPECT_TRUE(outcome.problems.empty() || dir.names() == words(files)) << "nothing renamed";
    }
    // A folder that is gone renames nothing and says why.
    const auto gone
            = ApplyRenames(fs, test::TempDir().pathOf("gone"), test::renamesTo({"a"}, {"b"}), {});
    EXPECT_TRUE(gone.failure && gone.failure->row == -1
                && gone.failure->error.kind == services::FsErrorKind::NotFound);
}

// A folder that ignores case (taken for a FAT-family disk, so "?" is refused) compares planned
// names as it will store them; a change of case alone goes through (the file's old name coming
// back when its second step is refused is the never-replacing rename's to test).
TEST(ApplyRenamesTest, AFolderThatIgnoresCaseSeesOneNameInTwoCases)
{
    const std::pair<const char *, const char *> cases[] = {
            {"A.txt b.txt c", "A.txt b.txt c"}, // the files, or the problems
            {"X x c", "0:SameAsAnotherRow 1:SameAsAnotherRow"},
            {"a.txt B.TXT A.TXT", "2:TakenByStayingFile"},
            {"é É c", "0:SameAsAnotherRow 1:SameAsAnotherRow"},
            {"a? b.txt c", "0:NotOnThisDisk"},
            {"tavolin-rename-0.tmp B.txt c", "tavolin-rename-0.tmp B.txt c"},
    };
    for (const auto &[planned, after] : cases) {
        SCOPED_TRACE(planned);
        test::FakeFileSystem fs;
        fs.setIgnoresCase(true);
        for (const char *name : {"a.txt", "b.txt", "c"})
            fs.addFile("D:\\f", name);
        const auto outcome = ApplyRenames(
                fs, "D:\\f", test::renamesTo(words("a.txt b.txt c"), words(planned)), {});
        EXPECT_EQ(outcome.problems.empty() ? fs.files("D:\\f") : words(problems(outcome)),
                  words(after));
        EXPECT_FALSE(outcome.failure);
    }
}

// Disks refuse some names that Linux takes, and FUSE drivers of FAT lose the file they are asked
// to rename to one: the plan refuses them first, by what the folder's disk stores. No disk gets a
// name with a control character.
TEST(ApplyRenamesTest, RefusesTheNamesTheDiskCannotHoldBeforeAnyRename)
{
    using enum services::DiskNames;
    std::vector<std::pair<std::string, std::vector<services::DiskNames>>> cases{
            {"end ", {Fat, FatAsciiOnly}},
            {"名前", {FatAsciiOnly}},
            {"é", {FatAsciiOnly}},
            {"a.b", {}},
            {"x y~!#$%&'()+,;=@[]^_`{}", {}}};
    for (const std::string &name : words("a\\b a:b a* a? a\"b a< a> a| end."))
        cases.push_back({name, {Fat, FatAsciiOnly}});
    const auto problemsOf = [](const std::string &name, services::DiskNames diskNames) {
        test::FakeFileSystem fs{paths::PathStyle::posix()};
        fs.setDiskNames(diskNames);
        fs.addFile("/f", "x");
        fs.addFile("/f", "y");
        const auto outcome = ApplyRenames(fs, "/f", test::renamesTo({"x", "y"}, {"z", name}), {});
        EXPECT_TRUE(outcome.problems.empty() || fs.files("/f") == Names({"x", "y"}));
        return problems(outcome);
    };
    for (const auto &[name, refusedOn] : cases) {
        for (const auto disk : {Any, Fat, FatAsciiOnly})
            EXPECT_EQ(problemsOf(name, disk),
                      std::ranges::count(refusedOn, disk) ? "1:NotOnThisDisk " : "")
                    << name << " on " << static_cast<int>(disk);
    }
    for (const std::string name : {"a\x01", "a\x1f", "line\nbreak", "a\rb", "a\tb", "a\x7f"})
        EXPECT_EQ(problemsOf(name, Any), "1:ControlCharacter ") << name;
}

} // namespace
} // namespace tavolin::rename
