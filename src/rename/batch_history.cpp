#include "rename/batch_history.h"

#include <algorithm>
#include <ranges>
#include <set>

namespace tavolin::rename {

namespace {

constexpr std::string_view kTakesBackSuffix = "-back";

} // namespace

std::string journalTag(std::string_view folder, bool takesBack)
{
    return folderTag(folder) + std::string(takesBack ? kTakesBackSuffix : "");
}

std::optional<std::string> lastUndoableBatch(services::JournalStore &journals,
                                             std::string_view folder)
{
    const std::string tag = journalTag(folder, false);
    for (const auto &entry : std::views::reverse(journals.list())) {
        if (entry.tag != tag || entry.state != services::JournalState::Complete)
            continue;
        // The tag is a digest: the journal itself must name the folder.
        const auto text = journals.read(entry.id);
        if (text && journalFolder(*text) == folder)
            return entry.id;
    }
    return std::nullopt;
}

std::vector<KeptBatch> keptBatches(services::JournalStore &journals)
{
    std::vector<KeptBatch> batches;
    std::vector<services::JournalEntry> entries = journals.list();
    for (services::JournalEntry &entry : std::views::reverse(entries)) {
        KeptBatch &batch = batches.emplace_back(KeptBatch{std::move(entry)});
        const auto text = journals.read(batch.entry.id);
        const std::optional<BatchJournal> journal = text ? decodeJournal(*text) : std::nullopt;
        if (!journal)
            continue;
        batch.readable = true;
        batch.folder = journal->folder;
        batch.files = journal->files.size();
        batch.kind = !journal->undoes.empty() ? BatchKind::TakingBack
                     : journal->takesBack     ? BatchKind::Settling
                                              : BatchKind::Batch;
    }
    return batches;
}

std::vector<std::string> laterBatchesInForce(services::JournalStore &journals,
                                             const std::string &id)
{
    const std::vector<services::JournalEntry> entries = journals.list();
    const auto batch = std::ranges::find(entries, id, &services::JournalEntry::id);
    const auto journalOf = [&](const std::string &of) {
        const auto text = journals.read(of);
        return text ? decodeJournal(*text) : std::nullopt;
    };
    const std::optional<BatchJournal> journal
            = batch == entries.end() ? std::nullopt : journalOf(id);
    if (!journal)
        return {};
    std::set<services::FileId> moved;
    for (const JournalFile &file : journal->files)
        moved.insert(file.id);
    std::vector<std::string> later;
    for (auto next = batch + 1; next != entries.end(); ++next) {
        if (next->tag != batch->tag || next->state != services::JournalState::Complete)
            continue;
        const std::optional<BatchJournal> other = journalOf(next->id);
        if (!other || other->folder != journal->folder
            || std::ranges::none_of(
                    other->files, [&](const JournalFile &file) { return moved.contains(file.id); }))
            continue;
        for (const JournalFile &file : other->files)
            moved.insert(file.id);
        later.push_back(next->id);
    }
    std::ranges::reverse(later);
    return later;
}

void pruneJournals(services::JournalStore &journals, std::chrono::system_clock::time_point now)
{
    // A cut-off batch waits to be settled; a set-aside journal is kept for whoever looks.
    const auto finished = [](const services::JournalEntry &entry) {
        return entry.state == services::JournalState::Complete
               || entry.state == services::JournalState::Undone;
    };
    const std::vector<services::JournalEntry> entries = journals.list();
    std::vector<const services::JournalEntry *> kept; // newest first
    std::uint64_t bytes = 0;
    for (const services::JournalEntry &entry : std::views::reverse(entries)) {
        if (finished(entry) && kept.size() >= kKeptAtLeast && now - entry.made > kKeptFor) {
            journals.remove(entry.id);
            continue;
        }
        kept.push_back(&entry);
        bytes += entry.bytes;
    }
    for (const services::JournalEntry *entry : std::views::reverse(kept)) {
        if (bytes <= kKeptBytes || entry == kept.front())
            break;
        if (finished(*entry)) {
            journals.remove(entry->id);
            bytes -= entry->bytes;
        }
    }
}

} // namespace tavolin::rename
