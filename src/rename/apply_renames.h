#pragma once

#include "rename/rename_plan.h"
#include "services/file_system.h"
#include "services/journal_store.h"
#include "services/progress.h"

#include <functional>
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

struct RenameOutcome
{
    int renamed = 0;                  // files whose name changed before the batch ended
    std::vector<RowProblem> problems; // when not empty, the batch was not started
    std::optional<RenameFailure> failure;
    bool stopped = false; // the user stopped the batch between two renames
    // The batch ran, but its journal could not be marked as ended: where it is and why not.
    std::optional<std::pair<std::string, services::FsError>> journalNotClosed;
};

// How a batch runs beside its renames.
struct BatchOptions
{
    // Where the batch's journal goes before the first rename; none: no journal.
    services::JournalStore *journals = nullptr;
    bool takesBack = false;                      // see BatchJournal
    std::function<void(int row)> beforeRow = {}; // before each step, with the step's row
    std::function<void()> journalKept = {};      // once the journal is safe, before the first step
    // Told how many files are renamed so far; when it asks to stop, the batch stops before the
    // next step where no file is under a temporary name.
    services::Progress *progress = nullptr;
    std::string undoes = {}; // see BatchJournal
};

// Runs `plan` in `folder` (its path `folderPath`): writes the journal, then renames step by step
// with renameNeverReplacing, and marks the journal complete when the batch ends, also when a
// step is refused (a name taken since the plan, a folder turned read-only) or the user stops
// it; the steps before stay done. Nothing is renamed when the journal cannot be written; a
// journal that cannot be marked is in RenameOutcome::journalNotClosed.
RenameOutcome runPlan(services::FolderRenamer &folder,
                      std::string_view folderPath,
                      const RenamePlan &plan,
                      const BatchOptions &options);

// Renames the files of `folder` to their planned names (see planRenames) when every row can be
// renamed; otherwise renames nothing and gives the rows' problems.
RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           std::span<const PlannedRow> rows,
                           const BatchOptions &options);

// The problems ApplyRenames would find now, without renaming anything.
RenameOutcome findRenameProblems(services::FileSystem &fs,
                                 std::string_view folder,
                                 std::span<const PlannedRow> rows);

} // namespace tavolin::rename
