#pragma once

#include "rename/apply_renames.h"
#include "rename/batch_journal.h"
#include "services/journal_store.h"

#include <optional>
#include <string>

namespace tavolin::rename {

enum class Toward { NewNames, OldNames };

// Finishes (toward the new names) or takes back (toward the old names) the batch whose journal
// is `id`, as a batch of its own that takes the first back (its journal says takes-back). A file
// counts only while it is the same file (device and inode) under its old, temporary or new name.
// With `allOrNothing` any file that changed stops everything before a rename, as planRenames'
// problems do; otherwise the other files are moved, and each that could not be, or waits for
// one that could not, stays where it is, is among the problems (rows are places in the journal)
// and goes to a new journal of its own, to be asked about again. The journal is marked complete
// or undone once the journal of this taking back (and that of the rest) is safe, and back in its
// former state when the user stops the moves or a rename is refused. Taking back a complete
// batch is 元に戻す: its journal names the batch it undoes, and putting such a cut-off journal
// back toward its old names (the batch's names) makes that batch complete again. NotStarted, and
// the journal kept as it is, when it cannot be read or is not whole; Refused when `allOrNothing`
// found files that changed.
RenameOutcome settleBatch(services::FileSystem &fs,
                          services::JournalStore &journals,
                          const std::string &id,
                          Toward toward,
                          bool allOrNothing,
                          services::Progress *progress = nullptr);

// Whether every file of `journal` is itself under its new name: a batch that ran to its end
// although its journal could not be marked so.
bool batchIsFinished(services::FileSystem &fs, const BatchJournal &journal);

} // namespace tavolin::rename
