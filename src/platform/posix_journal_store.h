#pragma once

#include "services/journal_store.h"

namespace tavolin::services {

// Journals as files "ID.TAG.STATE" in one folder, by default the user's state folder
// ($XDG_STATE_HOME/tavolin, else ~/.local/state/tavolin), created when first needed. A state
// changes by renaming the file, so a journal is never half in one state.
class PosixJournalStore final : public JournalStore
{
public:
    explicit PosixJournalStore(std::string folder = defaultFolder());

    static std::string defaultFolder();

    FsResult<std::string> create(std::string_view tag, std::string_view text) override;
    FsResult<void> setState(const std::string &id, JournalState state) override;
    std::vector<JournalEntry> list() override;
    FsResult<std::string> read(const std::string &id) override;
    void remove(const std::string &id) override;
    std::string location() const override { return m_folder; }
    std::string pathOf(const std::string &id) override;

private:
    std::string newId();
    std::string pathOf(const JournalEntry &entry) const;
    std::vector<JournalEntry>::const_iterator find(const std::vector<JournalEntry> &entries,
                                                   const std::string &id) const;

    std::string m_folder;
    int m_made = 0;
    // The journals as last listed, where a read looks first: reading each of a thousand
    // journals would otherwise list the folder a thousand times.
    std::vector<JournalEntry> m_listed;
};

} // namespace tavolin::services
