// Taking back any kept batch, not only the last: the later batches over its files first, and each
// file only while it is still where the batch left it, and a taking back cut off. On the in-memory
// drive D:\ and in real folders.
#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"

#include "platform/posix_file_system.h"
#include "platform/posix_journal_store.h"
#include "support/cut_off_file_system.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"
#include "support/planned_rows.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>

namespace tavolin::rename {
namespace {

using Names = std::vector<std::string>;

// Five batches over six files, each renaming some of them (by their names then) to names of its
// own.
struct FiveBatches
{
    static constexpr int kBatches = 5;
    Names files{"a", "b", "c", "d", "e", "f"};
    // For each batch, the files it renamed (by their first names) and the names it gave.
    std::vector<std::map<std::string, std::string>> gave{kBatches};
    Names ids;

    FiveBatches(services::FileSystem &fs,
                services::JournalStore &journals,
                const std::string &folder,
                std::mt19937 &random,
                const std::function<void(const std::string &)> &addFile)
    {
        std::map<std::string, std::string> now; // each file's name now, by its first name
        for (const std::string &file : files) {
            addFile(file);
            now[file] = file;
        }
        for (int batch = 0; batch < kBatches; ++batch) {
            Names from, to;
            for (const std::string &file : files) {
                if (random() % 3 != 0 && file != files[batch]) // never a batch of nothing
                    continue;
                from.push_back(now[file]);
                to.push_back(std::to_string(batch) + file);
                gave[batch][file] = to.back();
                now[file] = to.back();
            }
            EXPECT_EQ(ApplyRenames(fs, folder, test::renamesTo(from, to), {&journals}).end,
                      services::WorkEnd::Done);
            ids.push_back(journals.list().back().id);
        }
    }
    // Each file's name with the batches `inForce` and as if the others had never run.
    Names names(const std::vector<bool> &inForce) const
    {
        Names expected;
        for (const std::string &file : files) {
            std::string name = file;
            for (int batch = 0; batch < kBatches; ++batch)
                if (inForce[batch] && gave[batch].contains(file))
                    name = gave[batch].at(file);
            expected.push_back(name);
        }
        return expected;
    }
    // Which batches the journals keep as done and not taken back.
    std::vector<bool> inForce(services::JournalStore &journals) const
    {
        std::vector<bool> done;
        for (const std::string &id : ids)
            done.push_back(std::ranges::any_of(journals.list(), [&](const auto &entry) {
                return entry.id == id && entry.state == services::JournalState::Complete;
            }));
        return done;
    }
};

// Batches taken back in a random order, each with the later ones over its files: every file
// ends under the name the batches still in force gave it.
TEST(BatchHistory, AnyBatchIsTakenBackWithTheLaterOnesOverItsFiles)
{
    std::mt19937 random(43);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        test::FakeFileSystem fs;
        test::FakeJournalStore journals;
        const FiveBatches batches(fs, journals, "D:\\f", random, [&](const auto &name) {
            fs.addFile("D:\\f", name);
        });
        std::vector<bool> inForce(FiveBatches::kBatches, true);
        while (std::ranges::count(inForce, true) > 0) {
            int chosen = static_cast<int>(random() % FiveBatches::kBatches);
            while (!inForce[chosen])
                chosen = (chosen + 1) % FiveBatches::kBatches;
            Names order = laterBatchesInForce(journals, batches.ids[chosen]);
            order.push_back(batches.ids[chosen]);
            for (const std::string &id : order) {
                const auto undone
                        = settleBatch(fs, journals, id, Toward::OldNames, Unmovable::LeaveThem);
                ASSERT_EQ(undone.end, services::WorkEnd::Done);
                EXPECT_THAT(undone.problems, ::testing::IsEmpty());
                inForce[std::ranges::find(batches.ids, id) - batches.ids.begin()] = false;
            }
            ASSERT_THAT(fs.files("D:\\f"),
                        ::testing::UnorderedElementsAreArray(batches.names(inForce)));
        }
    }
}

// A taking back of a random batch, with the later ones over its files, cut off at a random change
// (on a disk without the no-replace rename now and then, between a second name and the removal of
// the first), then finished at the next start: every file is under the name the batches still in
// force gave it, none under a temporary name, no journal runs, and the batches still in force are
// taken back to the first names.
void cutOffATakingBackAndStartAgain(services::FileSystem &fs,
                                    services::JournalStore &journals,
                                    const std::string &folder,
                                    std::mt19937 &random,
                                    const std::function<void(const std::string &)> &addFile,
                                    const std::function<Names()> &names)
{
    const FiveBatches batches(fs, journals, folder, random, addFile);
    const bool throughLinks = random() % 3 == 0;
    const std::string chosen = batches.ids[random() % FiveBatches::kBatches];
    Names order = laterBatchesInForce(journals, chosen);
    order.push_back(chosen);
    const int changes = static_cast<int>(4 * batches.files.size() * order.size());
    (void)test::cutOff(fs, static_cast<int>(random() % changes), throughLinks, [&](auto &cut) {
        for (const std::string &id : order)
            (void)settleBatch(cut, journals, id, Toward::OldNames, Unmovable::LeaveThem);
    });
    for (const auto &entry : journals.list()) { // the next start
        if (entry.state != services::JournalState::Running)
            continue;
        const bool takingBack = decodeJournal(*journals.read(entry.id))->takesBack;
        ASSERT_EQ(settleBatch(fs,
                              journals,
                              entry.id,
                              takingBack ? Toward::NewNames : Toward::OldNames,
                              Unmovable::AskAgain)
                          .end,
                  services::WorkEnd::Done);
    }
    ASSERT_THAT(names(),
                ::testing::UnorderedElementsAreArray(batches.names(batches.inForce(journals))));
    for (const auto &entry : journals.list())
        ASSERT_NE(entry.state, services::JournalState::Running) << entry.id;
    const std::vector<bool> inForce = batches.inForce(journals);
    for (int batch = FiveBatches::kBatches - 1; batch >= 0; --batch) {
        if (inForce[batch]) {
            ASSERT_EQ(
                    settleBatch(
                            fs, journals, batches.ids[batch], Toward::OldNames, Unmovable::StopAll)
                            .end,
                    services::WorkEnd::Done);
        }
    }
    ASSERT_THAT(names(), ::testing::UnorderedElementsAreArray(batches.files));
}

TEST(BatchHistory, ATakingBackCutOffAnywhereIsFinishedAtTheNextStart)
{
    std::mt19937 random(44);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        test::FakeFileSystem fs;
        test::FakeJournalStore journals;
        cutOffATakingBackAndStartAgain(
                fs,
                journals,
                "D:\\f",
                random,
                [&](const std::string &name) { fs.addFile("D:\\f", name); },
                [&] { return fs.files("D:\\f"); });
    }
}

TEST(BatchHistory, ATakingBackCutOffInARealFolderIsFinishedAtTheNextStart)
{
    std::mt19937 random(45);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);
        services::PosixFileSystem fs;
        test::TempDir folder, state;
        services::PosixJournalStore journals{state.path()};
        cutOffATakingBackAndStartAgain(
                fs,
                journals,
                folder.path(),
                random,
                [&](const std::string &name) { folder.writeFile(name, name); },
                [&] { return folder.names(); });
        for (const std::string &name : folder.names()) // each file's content is its first name
            ASSERT_EQ(std::string(1, name.back()), folder.readFile(name)) << name;
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
