#pragma once

#include "rename/apply_renames.h"
#include "rename/batch_journal.h"
#include "services/journal_store.h"

#include <optional>
#include <string>

namespace tavolin::rename {

enum class Toward { NewNames, OldNames };

// What becomes of the files of a journal that cannot be moved (changed since, gone, or their
// name taken), and of those that wait for their names.
enum class Unmovable {
    StopAll,   // nothing moves (as a batch is refused)
    AskAgain,  // the others move; these go to a journal of their own, asked about at next start
    LeaveThem, // the others move; these stay as they are, said but not asked about again
};

// Finishes (toward the new names) or takes back (toward the old names) the batch whose journal
// is `id`, as a batch of its own that takes the first back (its journal says takes-back). A file
// counts only while it is the same file (device and inode) under its old, temporary or new name;
// the files that cannot move are the outcome's problems (rows are places in the journal), and
// `unmovable` says what becomes of them. The journal is marked complete or undone once the
// journal of this taking back (and that of the rest) is safe, and back in its former state when
// the user stops the moves or a rename is refused. Taking back a complete batch is 元に戻す: its
// journal names the batch it undoes, and putting such a journal back toward its old names (the
// batch's names) makes that batch complete again. NotStarted, and the journal kept as it is,
// when it cannot be read or is not whole; Refused when StopAll found files that cannot move.
RenameOutcome settleBatch(services::FileSystem &fs,
                          services::JournalStore &journals,
                          const std::string &id,
                          Toward toward,
                          Unmovable unmovable,
                          services::Progress *progress = nullptr);

// Whether every file of `journal` is itself under its new name: a batch that ran to its end
// although its journal could not be marked so.
bool batchIsFinished(services::FileSystem &fs, const BatchJournal &journal);

} // namespace tavolin::rename
