#include "rename/batch_recovery.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace tavolin::rename {

namespace {

using Names = std::optional<std::unordered_set<std::string>>;

Names namesIn(services::FolderView &folder)
{
    Names names;
    if (auto listed = folder.names())
        names.emplace(std::make_move_iterator(listed->begin()),
                      std::make_move_iterator(listed->end()));
    return names;
}

// The name under which `file` is itself now, if any. Only a name the folder holds as it is
// counts: on a disk that ignores case the new name of a change of case leads to the file under
// its old name too.
const std::string *
whereIs(services::FolderView &folder, const Names &names, const JournalFile &file)
{
    for (const std::string *name : {&file.newName, &file.temporaryName, &file.oldName}) {
        if (!name->empty() && (!names || names->contains(*name))
            && folder.identify(*name) == file.id)
            return name;
    }
    return nullptr;
}

// A rename cut off between its link and its unlink leaves the file under two of its names, `here`
// and another: the one it is going to, `target`, stays if it is one of them, otherwise `here`;
// the other name goes. Where the file is then.
const std::string *keepOneName(services::FolderRenamer &folder,
                               const JournalFile &file,
                               const std::string *here,
                               const std::string &target)
{
    for (const std::string *name : {&file.newName, &file.temporaryName, &file.oldName}) {
        if (name == here || name->empty() || !folder.sameFile(*here, *name))
            continue;
        const bool keepOther = *name == target;
        if (folder.unlink(keepOther ? *here : *name) && keepOther)
            here = name;
    }
    return here;
}

// The rows still to be moved: where each file is now and where it goes; rows are journal places.
struct Moves
{
    std::vector<int> rows;
    // Each row's names: where the file is now, and the whole name it is to have as the base.
    std::vector<PlannedRow> names;

    // Leaves out the rows `blocked` says, keeping the order of the others.
    void keepOnly(const std::vector<bool> &blocked)
    {
        std::size_t kept = 0;
        for (std::size_t at = 0; at < rows.size(); ++at) {
            if (blocked[at])
                continue;
            // Never onto itself: a string moved onto itself is left empty.
            if (kept != at) {
                rows[kept] = rows[at];
                names[kept] = std::move(names[at]);
            }
            ++kept;
        }
        rows.resize(kept);
        names.resize(kept);
    }
};

// The rows that cannot move (the plan's problems) and, in one pass, every row that waits for the
// name of one that cannot: its file stays where it is, so that name stays taken.
std::vector<bool>
blockedRows(const Moves &moves, const RenamePlan &plan, std::vector<RowProblem> &problems)
{
    std::vector<bool> blocked(moves.rows.size());
    std::deque<std::size_t> waiting;
    for (const RowProblem &problem : plan.problems) {
        const auto at = static_cast<std::size_t>(problem.row);
        problems.push_back(
                {moves.rows[at], problem.kind, problem.plannedName, moves.names[at].current});
        blocked[at] = true;
        waiting.push_back(at);
    }
    std::unordered_map<std::string_view, std::vector<std::size_t>> byPlannedName;
    for (std::size_t at = 0; at < moves.rows.size(); ++at)
        byPlannedName[moves.names[at].base].push_back(at);
    for (; !waiting.empty(); waiting.pop_front()) {
        const auto waiters = byPlannedName.find(moves.names[waiting.front()].current);
        if (waiters == byPlannedName.end())
            continue;
        for (const std::size_t at : waiters->second) {
            if (blocked[at])
                continue;
            blocked[at] = true;
            waiting.push_back(at);
            problems.push_back({moves.rows[at],
                                RowProblemKind::TakenByStayingFile,
                                moves.names[at].base,
                                moves.names[at].current});
        }
    }
    return blocked;
}

// What settling a journal comes to: the plan of the moves that can be made (in the journal's
// rows), and the rows that cannot, or the failure that stops it all.
struct JournalMoves
{
    std::unique_ptr<services::FolderRenamer> folder;
    RenamePlan plan;
    std::vector<RowProblem> problems; // in the journal's rows
    std::optional<RenameFailure> failure;
};

// Where each file of `journal` is and where it goes toward `toward`. With `allOrNothing` any file
// that changed makes a plan with nothing in it; otherwise the rows that cannot move, and those
// that wait for them, are left out of the plan and are the problems.
JournalMoves planJournalMoves(services::FileSystem &fs,
                              const BatchJournal &journal,
                              Toward toward,
                              bool allOrNothing)
{
    JournalMoves result;
    auto opened = fs.openForRenaming({fs.pathStyle(), journal.folder});
    if (!opened) {
        result.failure
                = RenameFailure{RenameFailure::Stage::OpenFolder, -1, {}, {}, opened.error()};
        return result;
    }
    result.folder = std::move(*opened);
    services::FolderRenamer &folder = *result.folder;
    const Names names = namesIn(folder);
    Moves moves;
    for (std::size_t index = 0; index < journal.files.size(); ++index) {
        const JournalFile &file = journal.files[index];
        const bool forward = toward == Toward::NewNames;
        const std::string &target = forward ? file.newName : file.oldName;
        if (const std::string *here = whereIs(folder, names, file)) {
            here = keepOneName(folder, file, here, target);
            moves.rows.push_back(static_cast<int>(index));
            moves.names.push_back({*here, target, {}});
        } else {
            result.problems.push_back({static_cast<int>(index),
                                       RowProblemKind::FileChanged,
                                       target,
                                       forward ? file.oldName : file.newName});
        }
    }
    if (allOrNothing && !result.problems.empty())
        return result;
    // Leaving out the rows that cannot move and those that wait for them leaves a runnable plan;
    // on a disk that ignores case a name may still meet another in another case, hence rounds.
    for (;;) {
        RenamePlan plan = planRenames(folder, moves.names);
        if (plan.runnable() || allOrNothing) {
            for (RowProblem &problem : plan.problems) {
                const auto at = static_cast<std::size_t>(problem.row);
                result.problems.push_back({moves.rows[at],
                                           problem.kind,
                                           std::move(problem.plannedName),
                                           moves.names[at].current});
            }
            for (RenameStep &step : plan.steps)
                step.row = moves.rows[static_cast<std::size_t>(step.row)];
            if (plan.runnable())
                result.plan = std::move(plan);
            std::ranges::sort(result.problems, {}, &RowProblem::row);
            return result;
        }
        moves.keepOnly(blockedRows(moves, plan, result.problems));
    }
}

// Settling watched through the program's progress, if any; once the journal of the moves is
// safe, `kept` runs.
class SettlingObserver final : public BatchObserver
{
public:
    SettlingObserver(services::Progress *progress, std::function<void()> kept)
        : m_progress(progress)
        , m_kept(std::move(kept))
    {}
    bool advance(std::size_t done, std::size_t total) override
    {
        return !m_progress || m_progress->advance(done, total);
    }
    void journalKept() override { m_kept(); }

private:
    services::Progress *m_progress;
    std::function<void()> m_kept;
};

} // namespace

RenameOutcome settleBatch(services::FileSystem &fs,
                          services::JournalStore &journals,
                          const std::string &id,
                          Toward toward,
                          Unmovable unmovable,
                          services::Progress *progress)
{
    const bool allOrNothing = unmovable == Unmovable::StopAll;
    const auto text = journals.read(id);
    const auto journal = text ? decodeJournal(*text) : std::nullopt;
    if (!journal)
        return {};
    const std::vector<services::JournalEntry> entries = journals.list();
    const auto entry = std::ranges::find(entries, id, &services::JournalEntry::id);
    const auto former = entry != entries.end() ? entry->state : services::JournalState::Running;
    const std::string tag = entry != entries.end() ? entry->tag : std::string();

    JournalMoves moves = planJournalMoves(fs, *journal, toward, allOrNothing);
    const std::vector<RowProblem> &problems = moves.problems;
    if (moves.failure || (allOrNothing && !problems.empty())) {
        RenameOutcome outcome;
        outcome.end = moves.failure ? services::WorkEnd::Failed : services::WorkEnd::Refused;
        outcome.problems = std::move(moves.problems);
        outcome.failure = std::move(moves.failure);
        return outcome;
    }

    // Once the journal of these moves is safe, and before the first: the files that cannot be
    // settled go to a journal of their own, to be asked about again, and only then is this one
    // marked settled, so that a kill anywhere leaves every file in some running journal.
    std::optional<std::string> rest;
    bool marked = false;
    const auto keepRestAndMark = [&] {
        if (!problems.empty() && unmovable == Unmovable::AskAgain) {
            BatchJournal left{journal->folder, journal->takesBack, {}, journal->undoes};
            for (const RowProblem &problem : problems)
                left.files.push_back(journal->files[static_cast<std::size_t>(problem.row)]);
            auto made = journals.create(tag, encodeJournal(left));
            if (!made)
                return;
            rest = std::move(*made);
        }
        marked = journals.setState(id,
                                   toward == Toward::NewNames ? services::JournalState::Complete
                                                              : services::JournalState::Undone)
                         .has_value();
    };
    // Taking back a finished batch of the user's is 元に戻す, and its journal says so.
    const bool undoing = !journal->takesBack && former == services::JournalState::Complete
                         && toward == Toward::OldNames;
    SettlingObserver observer(progress, keepRestAndMark);
    RenameOutcome outcome = runPlan(*moves.folder,
                                    journal->folder,
                                    moves.plan,
                                    {&journals, true, undoing ? id : std::string()},
                                    observer);
    outcome.problems = problems;
    // Nothing was left to move, so no journal of these moves was written.
    if (moves.plan.steps.empty())
        keepRestAndMark();
    if (!marked)
        return outcome;
    if (outcome.end == services::WorkEnd::Stopped || outcome.end == services::WorkEnd::Failed) {
        // The rest is asked about again, from this journal as it was.
        (void)journals.setState(id, former);
        if (rest)
            journals.remove(*rest);
    } else if (!journal->undoes.empty() && toward == Toward::OldNames) {
        // A cut-off 元に戻す put back to the batch's names: that batch can be undone again.
        (void)journals.setState(journal->undoes, services::JournalState::Complete);
    }
    return outcome;
}

bool batchIsFinished(services::FileSystem &fs, const BatchJournal &journal)
{
    auto opened = fs.openForRenaming({fs.pathStyle(), journal.folder});
    if (!opened)
        return false;
    const Names names = namesIn(**opened);
    return std::ranges::all_of(journal.files, [&](const JournalFile &file) {
        return whereIs(**opened, names, file) == &file.newName
               && !(*opened)->sameFile(file.newName, file.oldName);
    });
}

} // namespace tavolin::rename
