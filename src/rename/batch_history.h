#pragma once

#include "rename/batch_journal.h"
#include "services/journal_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// The tag a batch's journal is filed under: its folder, and whether it takes another back.
std::string journalTag(std::string_view folder, bool takesBack);

// The last batch of `folder` that can be taken back: complete, not undone since, and not itself
// a taking back.
std::optional<std::string> lastUndoableBatch(services::JournalStore &journals,
                                             std::string_view folder);

// Drops the oldest finished journals: each folder keeps its last kKeptPerFolder, and all
// folders together at most kKeptInAll. A journal of a batch that was cut off, or one set aside,
// is never dropped.
inline constexpr int kKeptPerFolder = 3;
inline constexpr int kKeptInAll = 30;
void pruneJournals(services::JournalStore &journals);

} // namespace tavolin::rename
