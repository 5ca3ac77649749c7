// Batches, their settling and 元に戻す cut off at every kind of point, on fakes.
#include "rename/apply_renames.h"
#include "rename/batch_history.h"
#include "rename/batch_recovery.h"
#include "support/planned_rows.h"

#include "support/cut_off_file_system.h"
#include "support/fake_file_system.h"
#include "support/fake_journal_store.h"

#include <gtest/gtest.h>

#include <random>

namespace tavolin::rename {
namespace {

using services::JournalState;
using Names = std::vector<std::string>;

constexpr std::string_view kFolder = "D:\\f";

// Batches of up to a dozen files (cycles, chains, new names and, where the folder ignores case,
// changes of case) cut off anywhere, a new file now and then in the way of one; then settled
// toward either side, or a finished one undone, and that cut off anywhere again. Settling what
// is still running at the next start (and the next, once the new file has gone) leaves every
// file under the name it was being moved to, nothing under a temporary name and no journal
// running; a finished batch undone is undone.
TEST(KillPoints, BatchesAndTheirSettlingCutOffAnywhereEndWithEveryFileInItsPlace)
{
    std::mt19937 random(27);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        test::FakeFileSystem fs;
        test::FakeJournalStore journals;
        const bool ignoresCase = round % 3 == 0;
        fs.setIgnoresCase(ignoresCase);
        // A disk without the no-replace rename links and unlinks: a cut between the two leaves
        // a file under two names.
        const bool throughLinks = round % 4 == 1;
        test::CutOffFileSystem disk(fs, -1, throughLinks);
        const std::size_t files = 1 + random() % 12;
        // Some files keep their names (or change only their case); the others take names of
        // the pool that nobody keeps.
        Names listed, pool;
        std::vector<bool> keeps;
        for (std::size_t file = 0; file < files; ++file) {
            listed.push_back("f" + std::to_string(file));
            fs.addFile(kFolder, listed.back());
            keeps.push_back(random() % 4 == 0);
            if (!keeps.back())
                pool.push_back(listed.back());
            pool.push_back("g" + std::to_string(file));
        }
        std::ranges::shuffle(pool, random);
        Names planned;
        for (std::size_t file = 0, taken = 0; file < files; ++file)
            planned.push_back(!keeps[file]  ? pool[taken++]
                              : ignoresCase ? "F" + listed[file].substr(1)
                                            : listed[file]);
        auto folder = fs.openForRenaming({fs.pathStyle(), kFolder}).value();
        std::vector<services::FileId> ids;
        for (const std::string &name : listed)
            ids.push_back(*folder->identify(name));

        const bool batchCut = test::cutOff(
                fs, static_cast<int>(random() % (4 * files + 2)), throughLinks, [&](auto &cut) {
                    (void)ApplyRenames(cut, kFolder, test::renamesTo(listed, planned), {&journals});
                });
        if (journals.journals.empty()) // the batch had nothing to do
            continue;
        const std::string batch = journals.journals.begin()->first;
        const auto settleOrUndo = batchCut ? (random() % 2 ? Toward::OldNames : Toward::NewNames)
                                           : Toward::OldNames;
        const Names &targets = settleOrUndo == Toward::NewNames ? planned : listed;
        // Now and then a new file takes a free name that a file of the cut-off batch needs.
        std::optional<std::string> inTheWay;
        for (const std::string &name : targets) {
            if (batchCut && !inTheWay && random() % 3 == 0 && !folder->identify(name)) {
                inTheWay = name;
                fs.addFile(kFolder, name);
            }
        }
        const auto settle = [&](services::FileSystem &on) {
            return settleBatch(on,
                               journals,
                               batch,
                               settleOrUndo,
                               batchCut ? Unmovable::AskAgain : Unmovable::StopAll);
        };
        if (inTheWay && round % 2) {
            // Settled but for the rows the new file blocks: the problems, in row order, each
            // naming where its file is now (a temporary name too), and all the journal keeps.
            const auto settled = settle(disk);
            ASSERT_TRUE(!settled.failure && !settled.problems.empty());
            ASSERT_TRUE(std::ranges::is_sorted(settled.problems, {}, &RowProblem::row));
            const auto journal = decodeJournal(*journals.read(batch));
            for (const RowProblem &problem : settled.problems)
                ASSERT_EQ(folder->identify(problem.currentName), journal->files[problem.row].id);
            const auto rest = decodeJournal(*journals.read(journals.list().back().id));
            ASSERT_EQ(rest->files.size(), settled.problems.size());
        } else {
            (void)test::cutOff(fs,
                               static_cast<int>(random() % (4 * files + 2)),
                               throughLinks,
                               [&](auto &cut) { (void)settle(cut); });
        }
        // The next start settles each journal still running the way the user was going: one of
        // a settling or an undo is finished; one that keeps the batch's rows left by the new
        // file goes the way the user chose. Then the next start, once the new file has gone.
        for (const bool last : {false, true}) {
            for (const auto &entry : journals.list()) {
                if (entry.state != JournalState::Running)
                    continue;
                const bool settling = decodeJournal(*journals.read(entry.id))->takesBack;
                const auto toward = settling ? Toward::NewNames : settleOrUndo;
                ASSERT_NE(settleBatch(disk, journals, entry.id, toward, Unmovable::AskAgain).end,
                          services::WorkEnd::NotStarted);
            }
            if (inTheWay && !last) {
                ASSERT_TRUE(folder->unlink(*inTheWay));
            }
        }

        for (std::size_t file = 0; file < files; ++file)
            ASSERT_EQ(folder->identify(targets[file]), ids[file]) << targets[file];
        ASSERT_EQ(folder->names()->size(), files) << "a file under a temporary name";
        for (const auto &entry : journals.list())
            ASSERT_NE(entry.state, JournalState::Running) << entry.id;
        const auto done
                = settleOrUndo == Toward::NewNames ? JournalState::Complete : JournalState::Undone;
        if (journals.journals.contains(batch)) { // not yet dropped as an old one
            ASSERT_EQ(journals.journals.at(batch).state, done);
        }
    }
}

// A cut-off 元に戻す put back to the batch's names leaves the batch to be undone again.
TEST(KillPoints, AnUndoCutOffAndPutBackLeavesTheBatchUndoable)
{
    // A cycle: four renames there and four back.
    const Names listed{"a", "b", "c"}, planned{"b", "c", "a"};
    for (int cutAt = 0; cutAt < 4; ++cutAt) {
        SCOPED_TRACE(cutAt);
        test::FakeFileSystem fs;
        test::FakeJournalStore journals;
        for (const std::string &name : listed)
            fs.addFile(kFolder, name);
        ASSERT_FALSE(
                ApplyRenames(fs, kFolder, test::renamesTo(listed, planned), {&journals}).failure);
        const std::string batch = journals.journals.begin()->first;
        ASSERT_TRUE(test::cutOff(fs, cutAt, false, [&](auto &cut) {
            (void)settleBatch(cut, journals, batch, Toward::OldNames, Unmovable::StopAll);
        }));
        const std::string undo = journals.journals.rbegin()->first;
        ASSERT_NE(settleBatch(fs, journals, undo, Toward::OldNames, Unmovable::AskAgain).end,
                  services::WorkEnd::NotStarted);
        EXPECT_EQ(fs.files(kFolder), planned);
        EXPECT_EQ(lastUndoableBatch(journals, kFolder), batch);
    }
}

} // namespace
} // namespace tavolin::rename
