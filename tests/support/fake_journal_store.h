#pragma once

#include "services/journal_store.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::test {

// Journals in memory, each call of which a test can make fail.
class FakeJournalStore final : public services::JournalStore
{
public:
    enum class Call { Create, SetState, Read };

    services::FsResult<std::string> create(std::string_view tag, std::string_view text) override
    {
        if (auto failed = failure(Call::Create))
            return std::unexpected(*failed);
        const std::string id = std::to_string(1000000 + ++m_made); // sorts as made
        journals[id] = {std::string(tag),
                        services::JournalState::Running,
                        std::string(text),
                        clock.value_or(std::chrono::system_clock::now())};
        return id;
    }
    services::FsResult<void> setState(const std::string &id, services::JournalState state) override
    {
        if (auto failed = failure(Call::SetState))
            return std::unexpected(*failed);
        journals.at(id).state = state;
        return {};
    }
    std::vector<services::JournalEntry> list() override
    {
        std::vector<services::JournalEntry> entries;
        for (const auto &[id, journal] : journals)
            entries.push_back({id,
                               journal.tag,
                               journal.state,
                               journal.made,
                               journal.bytes.value_or(journal.text.size())});
        return entries;
    }
    services::FsResult<std::string> read(const std::string &id) override
    {
        if (auto failed = failure(Call::Read))
            return std::unexpected(*failed);
        return journals.at(id).text;
    }
    void remove(const std::string &id) override { journals.erase(id); }
    std::string location() const override { return "/state/tavolin"; }
    std::string pathOf(const std::string &id) override { return location() + "/" + id; }

    // Makes the next call of `call` fail with `error`.
    void failNext(Call call, services::FsError error) { m_failures.emplace_back(call, error); }

    struct Journal
    {
        std::string tag;
        services::JournalState state;
        std::string text;
        std::chrono::system_clock::time_point made;
        std::optional<std::uint64_t> bytes = {}; // as listed, where a test says; else the text's
    };
    std::map<std::string, Journal> journals;
    // When the journals made from now on are made; else the system's time.
    std::optional<std::chrono::system_clock::time_point> clock;

private:
    std::optional<services::FsError> failure(Call call)
    {
        const auto planned
                = std::ranges::find(m_failures, call, &std::pair<Call, services::FsError>::first);
        if (planned == m_failures.end())
            return std::nullopt;
        auto error = planned->second;
        m_failures.erase(planned);
        return error;
    }

    int m_made = 0;
    std::vector<std::pair<Call, services::FsError>> m_failures;
};

} // namespace tavolin::test
