#include "rename/batch_history.h"

#include <map>
#include <ranges>

namespace tavolin::rename {

namespace {

constexpr std::string_view kTakesBackSuffix = "-back";

std::string_view folderPart(std::string_view tag)
{
    if (tag.ends_with(kTakesBackSuffix))
        tag.remove_suffix(kTakesBackSuffix.size());
    return tag;
}

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

void pruneJournals(services::JournalStore &journals)
{
    std::map<std::string_view, int> keptPerFolder;
    int keptInAll = 0;
    const auto entries = journals.list();
    for (const auto &entry : std::views::reverse(entries)) {
        // A cut-off batch waits to be settled; a set-aside journal is kept for whoever looks.
        if (entry.state == services::JournalState::Running
            || entry.state == services::JournalState::SetAside)
            continue;
        if (++keptPerFolder[folderPart(entry.tag)] > kKeptPerFolder || ++keptInAll > kKeptInAll)
            journals.remove(entry.id);
    }
}

} // namespace tavolin::rename
