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

// What a kept batch was: the user's batch, a taking back of one (元に戻す), or the settling of
// a batch that was cut off.
enum class BatchKind { Batch, TakingBack, Settling };

// A batch as its journal keeps it, for the history of batches.
struct KeptBatch
{
    services::JournalEntry entry;
    // Whether the journal could be read whole; when not, nothing below is known.
    bool readable = false;
    std::string folder = {};
    std::size_t files = 0;
    BatchKind kind = BatchKind::Batch;
};

// Every batch whose journal is kept, newest first. A journal that cannot be read is listed as
// such, never left out.
std::vector<KeptBatch> keptBatches(services::JournalStore &journals);

// The batches after `id` in its folder that are still in force (complete, not taken back) and
// renamed a file it renamed, or one that such a batch renamed, newest first: a file they moved
// since is no longer where `id` left it, so they are to be taken back first.
std::vector<std::string> laterBatchesInForce(services::JournalStore &journals,
                                             const std::string &id);

// Drops the journals of finished batches that are past keeping, as of `now`: every batch of the
// last kKeptFor stays, and at least the last kKeptAtLeast batches, within kKeptBytes of journals
// in all, beyond which the oldest finished go first. The last batch stays whatever its size; a
// journal of a batch that was cut off, or one set aside, is never dropped.
inline constexpr std::chrono::days kKeptFor{90};
inline constexpr std::size_t kKeptAtLeast = 1000;
inline constexpr std::uint64_t kKeptBytes = std::uint64_t{200} << 20;
void pruneJournals(services::JournalStore &journals, std::chrono::system_clock::time_point now);

} // namespace tavolin::rename
