#pragma once

#include "rename/rename_plan.h"
#include "services/file_system.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// A rename that was refused while the batch ran, which ends it.
struct RenameFailure
{
    int row = -1; // the row of the refused rename; -1 when the folder itself could not be opened
    std::string from;
    std::string to;
    services::FsError error;
};

struct RenameOutcome
{
    int renamed = 0;                  // files whose name changed before the batch ended
    std::vector<RowProblem> problems; // when not empty, the batch was not started
    std::optional<RenameFailure> failure;
};

// Renames the files of `folder` to their planned names (see planRenames), in the order of the
// plan, when every row can be renamed; otherwise renames nothing and gives the rows' problems.
// `beforeRow` runs before each step with the step's row. Each step is renameNeverReplacing: a
// name that was taken since the plan was made (a file that appeared, a folder turned read-only)
// stops the batch there, and the steps before it stay done.
RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           const std::vector<std::string> &currentNames,
                           const std::vector<std::string> &newBases,
                           const std::vector<std::string> &extensions,
                           const std::function<void(int row)> &beforeRow);

// The problems ApplyRenames would find now, without renaming anything.
RenameOutcome findRenameProblems(services::FileSystem &fs,
                                 std::string_view folder,
                                 const std::vector<std::string> &currentNames,
                                 const std::vector<std::string> &newBases,
                                 const std::vector<std::string> &extensions);

} // namespace tavolin::rename
