#pragma once

#include "services/file_system.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// A rename that was refused, which ends a batch.
struct RenameFailure
{
    int row = -1; // the row of the refused rename; -1 when the folder itself could not be opened
    std::string from;
    std::string to;
    services::FsError error;
};

struct RenameOutcome
{
    int renamed = 0; // renames done before the batch ended
    std::optional<RenameFailure> failure;
};

// Renames, in `folder`, the file of every row whose planned name (new base name followed by
// extension) differs from its current name, strictly in row order, and stops at the first
// rename that is refused; the renames before it stay done. A change of letter case counts as a
// difference. Rows without a new base name or extension are left as they are. `beforeRow` runs
// before each row is looked at. Each rename is renameNeverReplacing: a planned name that is
// taken, even by a file of a later row, is refused.
RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           const std::vector<std::string> &currentNames,
                           const std::vector<std::string> &newBases,
                           const std::vector<std::string> &extensions,
                           const std::function<void(int row)> &beforeRow);

} // namespace tavolin::rename
