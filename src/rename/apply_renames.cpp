#include "rename/apply_renames.h"

#include "rename/never_replacing_rename.h"

namespace tavolin::rename {

namespace {

RenameOutcome run(services::FileSystem &fs,
                  std::string_view folder,
                  const std::vector<std::string> &currentNames,
                  const std::vector<std::string> &newBases,
                  const std::vector<std::string> &extensions,
                  const std::function<void(int row)> *beforeRow)
{
    RenameOutcome outcome;
    if (currentNames.empty())
        return outcome;
    auto renamer = fs.openForRenaming(folder);
    if (!renamer) {
        outcome.failure = RenameFailure{-1, {}, {}, renamer.error()};
        return outcome;
    }
    RenamePlan plan = planRenames(**renamer, currentNames, newBases, extensions);
    outcome.problems = std::move(plan.problems);
    if (!outcome.problems.empty() || !beforeRow)
        return outcome;
    for (const RenameStep &step : plan.steps) {
        if (*beforeRow)
            (*beforeRow)(step.row);
        if (auto renamed = renameNeverReplacing(**renamer, step.from, step.to); !renamed) {
            outcome.failure = RenameFailure{step.row, step.from, step.to, renamed.error()};
            return outcome;
        }
        outcome.renamed += step.toTemporary ? 0 : 1;
    }
    return outcome;
}

} // namespace

RenameOutcome ApplyRenames(services::FileSystem &fs,
                           std::string_view folder,
                           const std::vector<std::string> &currentNames,
                           const std::vector<std::string> &newBases,
                           const std::vector<std::string> &extensions,
                           const std::function<void(int row)> &beforeRow)
{
    return run(fs, folder, currentNames, newBases, extensions, &beforeRow);
}

RenameOutcome findRenameProblems(services::FileSystem &fs,
                                 std::string_view folder,
                                 const std::vector<std::string> &currentNames,
                                 const std::vector<std::string> &newBases,
                                 const std::vector<std::string> &extensions)
{
    return run(fs, folder, currentNames, newBases, extensions, nullptr);
}

} // namespace tavolin::rename
