#include "rename/apply_renames.h"

#include "rename/batch_history.h"
#include "rename/batch_journal.h"
#include "rename/never_replacing_rename.h"

#include <unordered_map>

namespace tavolin::rename {

namespace {

using services::WorkEnd;

constexpr std::size_t kRowsBetweenAnswers = 1000;

// The journal of `plan`, each file known as it is now. Knowing a file takes one question each:
// the observer is told now and then, so that the windows keep answering meanwhile, and a request
// to stop is met at the first step, before any rename.
BatchJournal journalOf(services::FolderView &folder,
                       std::string_view folderPath,
                       const RenamePlan &plan,
                       const BatchJournalPlace &place,
                       BatchObserver &observer)
{
    BatchJournal journal{std::string(folderPath), place.takesBack, {}, place.undoes};
    journal.files.reserve(static_cast<std::size_t>(plan.files));
    std::unordered_map<int, std::size_t> fileOfRow;
    for (const RenameStep &step : plan.steps) {
        const auto [at, first] = fileOfRow.try_emplace(step.row, journal.files.size());
        if (first) {
            if (at->second % kRowsBetweenAnswers == 0)
                (void)observer.advance(0, static_cast<std::size_t>(plan.files));
            journal.files.push_back({folder.identify(step.from).value_or(services::FileId{}),
                                     step.from,
                                     {},
                                     step.to});
        }
        JournalFile &file = journal.files[at->second];
        if (step.toTemporary)
            file.temporaryName = step.to;
        else
            file.newName = step.to;
    }
    return journal;
}

// Renames step by step; the outcome's end and count, or the refused step.
void renameSteps(services::FolderRenamer &folder,
                 const RenamePlan &plan,
                 BatchObserver &observer,
                 RenameOutcome &outcome,
                 std::vector<const RenameStep *> &parked)
{
    const auto files = static_cast<std::size_t>(plan.files);
    for (const RenameStep &step : plan.steps) {
        if (parked.empty() && !observer.advance(static_cast<std::size_t>(outcome.renamed), files)) {
            outcome.end = WorkEnd::Stopped;
            return;
        }
        observer.rowStarted(step.row);
        if (auto renamed = renameNeverReplacing(folder, step.from, step.to); !renamed) {
            outcome.end = WorkEnd::Failed;
            outcome.failure = RenameFailure{
                    RenameFailure::Stage::Rename, step.row, step.from, step.to, renamed.error()};
            // A waiting file goes back to its old name where that is free (a change of case
            // whose second step was refused); in a cycle another file has it by now.
            std::erase_if(parked, [&](const RenameStep *away) {
                return renameNeverReplacing(folder, away->to, away->from).has_value();
            });
            return;
        }
        if (step.toTemporary) {
            parked.push_back(&step);
        } else {
            std::erase_if(parked, [&](const RenameStep *away) { return away->to == step.from; });
            ++outcome.renamed;
            observer.renamed(step.row);
        }
    }
    outcome.end = WorkEnd::Done;
}

} // namespace

RenameOutcome runPlan(services::FolderRenamer &folder,
                      std::string_view folderPath,
                      const RenamePlan &plan,
                      const BatchJournalPlace &place,
                      BatchObserver &observer)
{
    RenameOutcome outcome;
    if (plan.steps.empty()) {
        outcome.end = WorkEnd::Done;
        return outcome;
    }
    std::string journalId;
    if (place.journals) {
        auto kept = place.journals->create(
                journalTag(folderPath, place.takesBack),
                encodeJournal(journalOf(folder, folderPath, plan, place, observer)));
        if (!kept) {
            outcome.end = WorkEnd::Failed;
            outcome.failure = RenameFailure{RenameFailure::Stage::WriteJournal,
                                            -1,
                                            {},
                                            {},
                                            std::move(kept.error()),
                                            place.journals->location()};
            observer.finished(outcome);
            return outcome;
        }
        journalId = std::move(*kept);
    }
    observer.journalKept();
    // The files waiting under temporary names (in a cycle, or changing case), by the steps that
    // put them there; stopping waits until none does.
    std::vector<const RenameStep *> parked;
    renameSteps(folder, plan, observer, outcome, parked);
    if (place.journals) {
        // A batch that renamed nothing has nothing to take back.
        const bool anyDone = outcome.renamed > 0 || !parked.empty();
        if (auto marked = place.journals->setState(journalId,
                                                   anyDone ? services::JournalState::Complete
                                                           : services::JournalState::Undone);
            !marked)
            outcome.journalNotClosed.emplace(place.journals->pathOf(journalId), marked.error());
        pruneJournals(*place.journals, std::chrono::system_clock::now());
    }
    observer.finished(outcome);
    return outcome;
}

RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchJournalPlace &journal,
                           BatchObserver &observer)
{
    RenameOutcome outcome;
    if (rows.empty()) {
        outcome.end = WorkEnd::Done;
        return outcome;
    }
    auto renamer = fs.openForRenaming({fs.pathStyle(), folder});
    if (!renamer) {
        outcome.end = WorkEnd::Failed;
        outcome.failure
                = RenameFailure{RenameFailure::Stage::OpenFolder, -1, {}, {}, renamer.error()};
        return outcome;
    }
    RenamePlan plan = planRenames(**renamer, rows);
    if (!plan.runnable()) {
        outcome.end = WorkEnd::Refused;
        outcome.problems = std::move(plan.problems);
        return outcome;
    }
    return runPlan(**renamer, folder, plan, journal, observer);
}

RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchJournalPlace &journal)
{
    BatchObserver unwatched;
    return ApplyRenames(fs, folder, rows, journal, unwatched);
}

std::vector<RowProblem> findRenameProblems(services::FileSystem &fs,
                                           std::string_view folder,
                                           std::span<const PlannedRow> rows)
{
    if (rows.empty())
        return {};
    auto renamer = fs.openForRenaming({fs.pathStyle(), folder});
    if (!renamer)
        return {};
    return planRenames(**renamer, rows).problems;
}

} // namespace tavolin::rename
