#pragma once

#include "services/file_system.h"
#include "services/progress.h"
#include "services/work_end.h"

#include <string>
#include <string_view>
#include <vector>

// The orders a folder's files are listed in. Every enumeration of the program goes through one
// of them, so the main window's listing, its file list and the rename window's lists show the
// same files in the same order, and a saved listing maps line i to the rename window's file i.
namespace tavolin::order {

// In the order the choice shows them.
enum class FileOrder {
    Name,        // case ignored, character by character (see nameKey); the default
    NaturalName, // digits as numbers, Japanese collation: file2 before file10
    Modified,    // oldest first, equal times by name
    Size,        // smallest first, equal sizes by name
    Folder,      // as the folder delivers them
};

// Puts the names of files or folders in name order (FileOrder::Name).
void sortByName(std::vector<std::string> &names);

// A folder's files in an order, with what was read of them.
struct SortedFiles
{
    std::vector<std::string> names = {};
    // One per name, where the order needed them or they were asked for; else empty.
    std::vector<services::FileFacts> facts = {};
    // Stopped: the user stopped the reading of the facts, and there are no names; else Done.
    services::WorkEnd end = services::WorkEnd::Done;
};

// Puts `files` in `order`: by name, or by the facts they hold (a file whose facts are unknown
// comes after the others, by name). Reads nothing.
void sortFiles(SortedFiles &files, FileOrder order);

// Reads the files that `pattern` names and puts them in `order`. Each file's facts are read once,
// where the order needs them or `withFacts` asks for them, telling `progress` how far they are.
// Fails with the error that kept the folder from being read.
services::FsResult<SortedFiles> readSortedFiles(services::FileSystem &fs,
                                                const paths::FilePattern &pattern,
                                                FileOrder order,
                                                bool withFacts,
                                                services::Progress *progress = nullptr);

} // namespace tavolin::order
