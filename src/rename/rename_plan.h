#pragma once

#include "services/file_system.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tavolin::rename {

// One row of a batch: the file's name now, and the name planned for it as a base name and an
// extension (".txt", or empty).
struct PlannedRow
{
    std::string current;
    std::string base;
    std::string extension;

    std::string planned() const { return base + extension; }
};

// Why a row of a batch cannot be renamed.
enum class RowProblemKind {
    InvalidName,        // the planned name is not one valid file name
    HiddenName,         // the planned name would hide the file
    TooLong,            // the planned name is longer than the folder's file system takes
    SameAsAnotherRow,   // another row is planned to the same name, as the folder compares names
    TakenByStayingFile, // a file that stays where it is (not in the batch, or not renamed) has it
    FileChanged,        // taking back: the file is gone or another one has its name
    NotOnThisDisk,      // the disk cannot hold the name (a "?" on a FAT card, a kana on fusefat)
    ControlCharacter,   // the planned name holds a control character (a line break, a tab)
    EmptyName           // the planned base name is empty (a blank line of a names file)
};

struct RowProblem
{
    int row = 0;
    RowProblemKind kind = RowProblemKind::InvalidName;
    std::string plannedName;
    std::string currentName = {}; // the name the file has now (or should have, when it is gone)
};

// One rename of a batch. A file in a cycle of planned names moves twice: first to a temporary
// name, last from it to its planned name.
struct RenameStep
{
    int row = 0;
    std::string from;
    std::string to;
    bool toTemporary = false;
};

// A whole batch worked out before anything is renamed: either the problems of the rows that
// cannot be renamed (then nothing is to be renamed), or the steps in an order in which each
// planned name is free when its turn comes.
struct RenamePlan
{
    std::vector<RowProblem> problems; // by row
    std::vector<RenameStep> steps;
    int files = 0; // the files whose name changes

    bool runnable() const { return problems.empty(); }
};

// What a plan asks of its folder beyond the rows: whether it ignores case (as a FAT-family disk
// does), the names its disk holds, and the names in it as it compares them. A preview that plans
// the same files again on every change reads it once.
struct FolderNames
{
    struct Hash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const
        {
            return std::hash<std::string_view>()(name);
        }
    };

    bool caseBlind = false;
    services::DiskNames diskNames = services::DiskNames::Any;
    // Every name in the folder, upper-cased where it ignores case; none when the folder cannot
    // list them, and then each planned name is asked of the folder.
    std::optional<std::unordered_set<std::string, Hash, std::equal_to<>>> present;
};

// Reads what a plan asks of `folder`, which holds the files of `rows`.
FolderNames readFolderNames(services::FolderView &folder, std::span<const PlannedRow> rows);

// Plans the renames of `folder`: each row's file is to be called by its planned name. Rows whose
// planned name equals the current name stay as they are. A planned name that a file of the batch
// leaves is free; a cycle (a.txt -> b.txt -> a.txt) is broken through one temporary name,
// "tavolin-rename-N.tmp", that no file has and the batch does not use; so is a change of case
// only on a folder that ignores case. On a folder that ignores case names are compared as the
// disk does, and the names the disk cannot hold (FolderView::diskNames; a folder that ignores
// case is taken for a FAT-family disk) are refused, as are names holding a control character.
// The same plan serves a preview, which shows its problems, and a batch, which runs its steps.
RenamePlan planRenames(services::FolderView &folder, std::span<const PlannedRow> rows);
// The same with what was read of the folder before (readFolderNames, for the same files).
RenamePlan planRenames(services::FolderView &folder,
                       const FolderNames &names,
                       std::span<const PlannedRow> rows);

} // namespace tavolin::rename
