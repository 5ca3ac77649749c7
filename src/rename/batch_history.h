#pragma once

#include "rename/batch_journal.h"
#include "services/journal_store.h"

#include <chrono>
#include <cstdint>
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

// Drops the journals of finished batches that are past keeping, as of `now`: every batch of the
// last kKeptFor stays, and at least the last kKeptAtLeast batches, within kKeptBytes of journals
// in all, beyond which the oldest finished go first. The last batch stays whatever its size; a
// journal of a batch that was cut off, or one set aside, is never dropped.
inline constexpr std::chrono::days kKeptFor{90};
inline constexpr std::size_t kKeptAtLeast = 1000;
inline constexpr std::uint64_t kKeptBytes = std::uint64_t{200} << 20;
void pruneJournals(services::JournalStore &journals, std::chrono::system_clock::time_point now);

} // namespace tavolin::rename
