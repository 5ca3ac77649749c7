#include "rename/apply_renames.h"

#include "rename/batch_history.h"
#include "rename/batch_journal.h"
#include "rename/never_replacing_rename.h"

#include <unordered_map>

namespace tavolin::rename {

namespace {

constexpr std::size_t kRowsBetweenAnswers = 1000;

BatchJournal
journalOf(std::string_view folderPath, const RenamePlan &plan, const BatchOptions &options)
{
    BatchJournal journal{std::string(folderPath), options.takesBack, {}, options.undoes};
    journal.files.reserve(static_cast<std::size_t>(plan.files));
    std::unordered_map<int, std::size_t> fileOfRow;
    for (const RenameStep &step : plan.steps) {
        const auto [at, first] = fileOfRow.try_emplace(step.row, journal.files.size());
        if (first)
            journal.files.push_back({step.file, step.from, {}, step.to});
        JournalFile &file = journal.files[at->second];
        if (step.toTemporary)
            file.temporaryName = step.to;
        else
            file.newName = step.to;
    }
    return journal;
}

RenameOutcome plan(services::FileSystem &fs,
                   std::string_view folder,
                   std::span<const PlannedRow> rows,
                   const BatchOptions *options)
{
    RenameOutcome outcome;
    if (rows.empty())
        return outcome;
    auto renamer = fs.openForRenaming({fs.pathStyle(), folder});
    if (!renamer) {
        outcome.failure
                = RenameFailure{RenameFailure::Stage::OpenFolder, -1, {}, {}, renamer.error()};
        return outcome;
    }
    // Knowing each file takes one question each: the windows keep answering meanwhile, and a
    // request to stop is met at the first step, before any rename.
    const auto asked = [&](std::size_t row) {
        if (row % kRowsBetweenAnswers == 0 && options && options->progress)
            (void)options->progress->advance(0, rows.size());
    };
    RenamePlan plan = planRenames(**renamer, rows, options != nullptr, asked);
    if (!plan.runnable() || !options) {
        outcome.problems = std::move(plan.problems);
        return outcome;
    }
    return runPlan(**renamer, folder, plan, *options);
}

} // namespace

RenameOutcome runPlan(services::FolderRenamer &folder,
                      std::string_view folderPath,
                      const RenamePlan &plan,
                      const BatchOptions &options)
{
    RenameOutcome outcome;
    if (plan.steps.empty())
        return outcome;
    std::string journalId;
    if (options.journals) {
        auto kept = options.journals->create(journalTag(folderPath, options.takesBack),
                                             encodeJournal(journalOf(folderPath, plan, options)));
        if (!kept) {
            outcome.failure = RenameFailure{RenameFailure::Stage::WriteJournal,
                                            -1,
                                            {},
                                            {},
                                            std::move(kept.error()),
                                            options.journals->location()};
            return outcome;
        }
        journalId = std::move(*kept);
    }
    if (options.journalKept)
        options.journalKept();
    const auto files = static_cast<std::size_t>(plan.files);
    // The files waiting under temporary names (in a cycle, or changing case), by the steps that
    // put them there; stopping waits until none does.
    std::vector<const RenameStep *> parked;
    for (const RenameStep &step : plan.steps) {
        if (options.progress && parked.empty()
            && !options.progress->advance(static_cast<std::size_t>(outcome.renamed), files)) {
            outcome.stopped = true;
            break;
        }
        if (options.beforeRow)
            options.beforeRow(step.row);
        if (auto renamed = renameNeverReplacing(folder, step.from, step.to); !renamed) {
            outcome.failure = RenameFailure{
                    RenameFailure::Stage::Rename, step.row, step.from, step.to, renamed.error()};
            // A waiting file goes back to its old name where that is free (a change of case
            // whose second step was refused); in a cycle another file has it by now.
            std::erase_if(parked, [&](const RenameStep *away) {
                return renameNeverReplacing(folder, away->to, away->from).has_value();
            });
            break;
        }
        if (step.toTemporary) {
            parked.push_back(&step);
        } else {
            std::erase_if(parked, [&](const RenameStep *away) { return away->to == step.from; });
            ++outcome.renamed;
        }
    }
    if (options.journals) {
        // A batch that renamed nothing has nothing to take back.
        const bool anyDone = outcome.renamed > 0 || !parked.empty();
        if (auto marked = options.journals->setState(journalId,
                                                     anyDone ? services::JournalState::Complete
                                                             : services::JournalState::Undone);
            !marked)
            outcome.journalNotClosed.emplace(options.journals->pathOf(journalId), marked.error());
        pruneJournals(*options.journals);
    }
    return outcome;
}

RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchOptions &options)
{
    return plan(fs, folder, rows, &options);
}

RenameOutcome findRenameProblems(services::FileSystem &fs,
                                 std::string_view folder,
                                 std::span<const PlannedRow> rows)
{
    return plan(fs, folder, rows, nullptr);
}

} // namespace tavolin::rename
