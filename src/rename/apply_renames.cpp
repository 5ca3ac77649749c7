#include "rename/apply_renames.h"

#include "rename/never_replacing_rename.h"

namespace tavolin::rename {

RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           const std::vector<std::string> &currentNames,
                           const std::vector<std::string> &newBases,
                           const std::vector<std::string> &extensions,
                           const std::function<void(int row)> &beforeRow)
{
    RenameOutcome outcome;
    const int rows = static_cast<int>(currentNames.size());
    if (rows == 0)
        return outcome;
    auto renamer = fs.openForRenaming(folder);
    if (!renamer) {
        outcome.failure = RenameFailure{-1, {}, {}, renamer.error()};
        return outcome;
    }

    std::string planned;
    for (int row = 0; row < rows; ++row) {
        if (beforeRow)
            beforeRow(row);
        const auto index = static_cast<std::size_t>(row);
        if (index >= newBases.size() || index >= extensions.size())
            continue;
        const std::string &current = currentNames[index];
        planned.assign(newBases[index]).append(extensions[index]);
        if (planned == current)
            continue;
        if (auto renamed = renameNeverReplacing(**renamer, current, planned); !renamed) {
            outcome.failure = RenameFailure{row, current, planned, renamed.error()};
            return outcome;
        }
        ++outcome.renamed;
    }
    return outcome;
}

} // namespace tavolin::rename
