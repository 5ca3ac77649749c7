#pragma once

#include "services/journal_store.h"

#include <map>
#include <string>

namespace tavolin::test {

// Journals in memory.
class FakeJournalStore final : public services::JournalStore
{
public:
    services::FsResult<std::string> create(std::string_view tag, std::string_view text) override
    {
        const std::string id = std::to_string(1000000 + ++m_made); // sorts as made
        journals[id] = {std::string(tag), services::JournalState::Running, std::string(text)};
        return id;
    }
    services::FsResult<void> setState(const std::string &id, services::JournalState state) override
    {
        journals.at(id).state = state;
        return {};
    }
    std::vector<services::JournalEntry> list() override
    {
        std::vector<services::JournalEntry> entries;
        for (const auto &[id, journal] : journals)
            entries.push_back({id, journal.tag, journal.state});
        return entries;
    }
    services::FsResult<std::string> read(const std::string &id) override
    {
        return journals.at(id).text;
    }
    void remove(const std::string &id) override { journals.erase(id); }

    struct Journal
    {
        std::string tag;
        services::JournalState state;
        std::string text;
    };
    std::map<std::string, Journal> journals;

private:
    int m_made = 0;
};

} // namespace tavolin::test
