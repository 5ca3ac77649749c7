#pragma once

#include "rename/rename_plan.h"
#include "services/file_system.h"
#include "services/journal_store.h"
#include "services/progress.h"
#include "services/work_end.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// What ended a batch before its last step.
struct RenameFailure
{
    enum class Stage { OpenFolder, WriteJournal, Rename };
    Stage stage = Stage::Rename;
    int row = -1; // the row of the refused rename
    std::string from;
    std::string to;
    services::FsError error;
    std::string journalPath = {}; // WriteJournal: where the journal was to go
};

// How a batch, a taking back or the settling of a cut-off batch ended, and what it did.
struct RenameOutcome
{
    services::WorkEnd end = services::WorkEnd::NotStarted;
    int renamed = 0; // files whose name changed before the work ended
    // Refused: the rows that keep the batch from starting. Settling a cut-off batch file by file:
    // the files left as they are, whichever way the rest ended.
    std::vector<RowProblem> problems;
    std::optional<RenameFailure> failure; // Failed: the step the world refused
    // The batch ran, but its journal could not be marked as ended: where it is and why not.
    std::optional<std::pair<std::string, services::FsError>> journalNotClosed;
};

// What a running batch tells the one who watches it, in this order: journalKept once; then for
// each step advance (only where no file waits under a temporary name), rowStarted, and renamed
// once the row's file has its planned name; finished last, once the journal is closed.
class BatchObserver
{
public:
    virtual ~BatchObserver() = default;

    // How far the batch has come: `done` of `total` files. False asks it to stop, which it does
    // at the next step where no file waits under a temporary name; the answer is not heeded
    // while the files are being identified, before the journal is written.
    virtual bool advance(std::size_t /*done*/, std::size_t /*total*/) { return true; }
    // The journal is safe; nothing has been renamed yet.
    virtual void journalKept() {}
    // The step of row `row` begins.
    virtual void rowStarted(int /*row*/) {}
    // Row `row`'s file has its planned name.
    virtual void renamed(int /*row*/) {}
    virtual void finished(const RenameOutcome & /*outcome*/) {}
};

// Watches a batch through the program's progress: it shows how far the batch has come and
// stops it when the user asks.
class ProgressObserver : public BatchObserver
{
public:
    explicit ProgressObserver(services::Progress &progress)
        : m_progress(progress)
    {}
    bool advance(std::size_t done, std::size_t total) override
    {
        return m_progress.advance(done, total);
    }

private:
    services::Progress &m_progress;
};

// Where a batch keeps its journal, written before its first rename; a batch without one keeps
// none.
struct BatchJournalPlace
{
    services::JournalStore *journals = nullptr;
    bool takesBack = false;  // see BatchJournal
    std::string undoes = {}; // see BatchJournal
};

// Runs `plan` in `folder` (its path `folderPath`): identifies each file, writes the journal,
// then renames step by step with renameNeverReplacing, and marks the journal complete when the
// batch ends, also when a step is refused (a name taken since the plan, a folder turned
// read-only) or the user stops it; the steps before stay done. Nothing is renamed when the
// journal cannot be written; a journal that cannot be marked is in
// RenameOutcome::journalNotClosed. A plan without steps is Done at once, without a journal.
RenameOutcome runPlan(services::FolderRenamer &folder,
                      std::string_view folderPath,
                      const RenamePlan &plan,
                      const BatchJournalPlace &journal,
                      BatchObserver &observer);

// Plans the batch of `folder` (see planRenames) and runs it when every row can be renamed;
// otherwise renames nothing and is Refused with the rows' problems.
RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchJournalPlace &journal,
                           BatchObserver &observer);
// The same, watched by nobody.
RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchJournalPlace &journal = {});

// The problems ApplyRenames would find now, without renaming anything.
std::vector<RowProblem> findRenameProblems(services::FileSystem &fs,
                                           std::string_view folder,
                                           std::span<const PlannedRow> rows);

} // namespace tavolin::rename
