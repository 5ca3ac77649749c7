// Taking back any kept batch, not only the last: the later batches over its files first, and each
// file only while it is still where the batch left it. On the in-memory drive D:\.
#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"

#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/planned_rows.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <random>

namespace tavolin::rename {
namespace {

using Names = std::vector<std::string>;

// Five batches over six files, each renaming some of them (by their names then) to names of its
// own; batches are then taken back in a random order, each with the later ones over its files.
// Every file ends under the name the batches still in force gave it, as if the others had never
// run.
TEST(BatchHistory, AnyBatchIsTakenBackWithTheLaterOnesOverItsFiles)
{
    std::mt19937 random(43);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        test::FakeFileSystem fs;
        test::FakeJournalStore journals;
        const Names files{"a", "b", "c", "d", "e", "f"};
        for (const std::string &file : files)
            fs.addFile("D:\\f", file);
        // For each batch, the files it renamed (by their first names) and the names it gave.
        std::vector<std::map<std::string, std::string>> gave(5);
        Names batches;
        std::map<std::string, std::string> now; // each file's name now, by its first name
        for (const std::string &file : files)
            now[file] = file;
        for (int batch = 0; batch < 5; ++batch) {
            Names from, to;
            for (const std::string &file : files) {
                if (random() % 3 != 0 && file != files[batch]) // never a batch of nothing
                    continue;
                from.push_back(now[file]);
                to.push_back(std::to_string(batch) + file);
                gave[batch][file] = to.back();
                now[file] = to.back();
            }
            ASSERT_EQ(ApplyRenames(fs, "D:\\f", test::renamesTo(from, to), {&journals}).end,
                      services::WorkEnd::Done);
            batches.push_back(journals.list().back().id);
        }
        std::vector<bool> inForce(5, true);
        while (std::ranges::count(inForce, true) > 0) {
            int chosen = static_cast<int>(random() % 5);
            while (!inForce[chosen])
                chosen = (chosen + 1) % 5;
            Names order = laterBatchesInForce(journals, batches[chosen]);
            order.push_back(batches[chosen]);
            for (const std::string &id : order) {
                const auto undone
                        = settleBatch(fs, journals, id, Toward::OldNames, Unmovable::LeaveThem);
                ASSERT_EQ(undone.end, services::WorkEnd::Done);
                EXPECT_THAT(undone.problems, ::testing::IsEmpty());
                inForce[std::ranges::find(batches, id) - batches.begin()] = false;
            }
            Names expected;
            for (const std::string &file : files) {
                std::string name = file;
                for (int batch = 0; batch < 5; ++batch)
                    if (inForce[batch] && gave[batch].contains(file))
                        name = gave[batch][file];
                expected.push_back(name);
            }
            ASSERT_THAT(fs.files("D:\\f"), ::testing::UnorderedElementsAreArray(expected));
        }
    }
}

// A file of the batch replaced by another under its name, one moved away and one whose old name
// another file has taken since are named with why; the rest is taken back.
TEST(BatchHistory, FilesNoLongerWhereTheBatchLeftThemAreNamedAndTheRestTakenBack)
{
    test::FakeFileSystem fs;
    test::FakeJournalStore journals;
    for (const char *file : {"a", "b", "c", "d"})
        fs.addFile("D:\\f", file);
    ApplyRenames(fs,
                 "D:\\f",
                 test::renamesTo({"a", "b", "c", "d"}, {"A1", "B1", "C1", "D1"}),
                 {&journals});
    const std::string batch = journals.list().back().id;
    auto folder = fs.openForRenaming({fs.pathStyle(), "D:\\f"}).value();
    ASSERT_TRUE(folder->unlink("A1"));
    fs.addFile("D:\\f", "A1"); // another file under the name
    ASSERT_TRUE(folder->renameNoReplace("B1", "elsewhere"));
    fs.addFile("D:\\f", "c"); // a new file under the old name
    const auto undone = settleBatch(fs, journals, batch, Toward::OldNames, Unmovable::LeaveThem);
    EXPECT_EQ(undone.end, services::WorkEnd::Done);
    std::string named;
    for (const RowProblem &problem : undone.problems)
        named += std::to_string(problem.row) + ':' + std::to_string(static_cast<int>(problem.kind))
                 + ' ';
    EXPECT_EQ(named, "0:5 1:5 2:4 "); // FileChanged twice, then TakenByStayingFile
    EXPECT_THAT(fs.files("D:\\f"),
                ::testing::UnorderedElementsAre("A1", "C1", "c", "d", "elsewhere"));
    EXPECT_THAT(journals.list(),
                ::testing::ElementsAre(::testing::Field(&services::JournalEntry::state,
                                                        services::JournalState::Undone),
                                       ::testing::Field(&services::JournalEntry::state,
                                                        services::JournalState::Complete)))
            << "the batch taken back, and nothing left to be asked about";
}

} // namespace
} // namespace tavolin::rename
