#pragma once

#include "services/file_system.h"
#include "services/progress.h"

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

// Puts `names`, files of `folder`, in `order`. The orders by date and size read the files'
// facts from `fs` (a file whose facts cannot be read comes after the others, by name) and tell
// `progress` how far they are; false, with `names` left as they were, when it was stopped.
bool sortFiles(services::FileSystem &fs,
               std::string_view folder,
               std::vector<std::string> &names,
               FileOrder order,
               services::Progress *progress = nullptr);

} // namespace tavolin::order
