#pragma once

#include "rename/apply_renames.h"
#include "rename/batch_journal.h"

namespace tavolin::rename {

enum class Toward { NewNames, OldNames };

// Moves the files of `journal` to their new or their old names, as a batch of its own that
// takes the first back (options.takesBack is set). A file counts only while it is the same file
// (device and inode) under its old, temporary or new name. With `allOrNothing` any file that
// changed stops everything before a rename, as planRenames' problems do; otherwise the other
// files are moved and each that could not be is among the problems. Rows are places in the
// journal.
RenameOutcome moveJournalFiles(services::FileSystem &fs,
                               const BatchJournal &journal,
                               Toward toward,
                               bool allOrNothing,
                               BatchOptions options);

} // namespace tavolin::rename
