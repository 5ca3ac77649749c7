#include "rename/batch_recovery.h"

#include <algorithm>
#include <unordered_set>

namespace tavolin::rename {

namespace {

// The name under which `file` is itself now, if any. Only a name the folder holds as it is
// counts: on a disk that ignores case the new name of a change of case leads to the file under
// its old name too.
const std::string *whereIs(services::FolderRenamer &folder,
                           const std::optional<std::unordered_set<std::string>> &names,
                           const JournalFile &file)
{
    for (const std::string *name : {&file.newName, &file.temporaryName, &file.oldName}) {
        if (!name->empty() && (!names || names->contains(*name))
            && folder.identify(*name) == file.id)
            return name;
    }
    return nullptr;
}

} // namespace

RenameOutcome moveJournalFiles(services::FileSystem &fs,
                               const BatchJournal &journal,
                               Toward toward,
                               bool allOrNothing,
                               BatchOptions options)
{
    RenameOutcome outcome;
    auto opened = fs.openForRenaming(journal.folder);
    if (!opened) {
        outcome.failure
                = RenameFailure{RenameFailure::Stage::OpenFolder, -1, {}, {}, opened.error()};
        return outcome;
    }
    services::FolderRenamer &folder = **opened;
    std::optional<std::unordered_set<std::string>> names;
    if (auto listed = folder.names())
        names.emplace(std::make_move_iterator(listed->begin()),
                      std::make_move_iterator(listed->end()));
    // The files still there, where each is now and where it goes; rows are journal places.
    std::vector<int> rows;
    std::vector<std::string> current, planned;
    for (std::size_t index = 0; index < journal.files.size(); ++index) {
        const JournalFile &file = journal.files[index];
        const std::string &target = toward == Toward::NewNames ? file.newName : file.oldName;
        if (const std::string *here = whereIs(folder, names, file)) {
            rows.push_back(static_cast<int>(index));
            current.push_back(*here);
            planned.push_back(target);
        } else {
            outcome.problems.push_back(
                    {static_cast<int>(index), RowProblemKind::FileChanged, target});
        }
    }
    if (allOrNothing && !outcome.problems.empty())
        return outcome;
    // Each round leaves out the files that cannot move; that may keep another's name taken.
    for (;;) {
        RenamePlan plan
                = planRenames(folder, current, planned, std::vector<std::string>(current.size()));
        if (plan.runnable() || allOrNothing) {
            for (RowProblem &problem : plan.problems)
                outcome.problems.push_back({rows[static_cast<std::size_t>(problem.row)],
                                            problem.kind,
                                            std::move(problem.plannedName)});
            if (!plan.runnable())
                return outcome;
            for (RenameStep &step : plan.steps)
                step.row = rows[static_cast<std::size_t>(step.row)];
            options.takesBack = true;
            RenameOutcome done = runPlan(folder, journal.folder, plan, options);
            done.problems = std::move(outcome.problems);
            std::ranges::sort(done.problems, {}, &RowProblem::row);
            return done;
        }
        for (auto problem = plan.problems.rbegin(); problem != plan.problems.rend(); ++problem) {
            const auto at = static_cast<std::size_t>(problem->row);
            outcome.problems.push_back({rows[at], problem->kind, std::move(problem->plannedName)});
            rows.erase(rows.begin() + problem->row);
            current.erase(current.begin() + problem->row);
            planned.erase(planned.begin() + problem->row);
        }
    }
}

std::optional<RenameOutcome> settleBatch(services::FileSystem &fs,
                                         services::JournalStore &journals,
                                         const std::string &id,
                                         Toward toward,
                                         bool allOrNothing,
                                         services::Progress *progress)
{
    const auto text = journals.read(id);
    const auto journal = text ? decodeJournal(*text) : std::nullopt;
    if (!journal)
        return std::nullopt;
    const auto settled = toward == Toward::NewNames ? services::JournalState::Complete
                                                    : services::JournalState::Undone;
    bool marked = false;
    const auto mark = [&] {
        marked = journals.setState(id, settled).has_value();
    };
    const std::vector<services::JournalEntry> entries = journals.list();
    const auto entry = std::ranges::find(entries, id, &services::JournalEntry::id);
    const auto former = entry != entries.end() ? entry->state : services::JournalState::Running;
    RenameOutcome outcome = moveJournalFiles(
            fs, *journal, toward, allOrNothing, {&journals, true, {}, mark, progress});
    if (outcome.stopped && marked)
        (void)journals.setState(id, former);
    // Nothing was left to move, so no journal of this taking back was written.
    if (!marked && outcome.problems.empty() && !outcome.failure && outcome.renamed == 0)
        mark();
    return outcome;
}

} // namespace tavolin::rename
