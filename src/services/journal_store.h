#pragma once

#include "services/fs_error.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::services {

// Where a batch of renames is in its life, as its journal's name says it. A journal that could
// not be read is set aside: kept for whoever wants to look at it, and never acted on again.
enum class JournalState { Running, Complete, Undone, SetAside };

struct JournalEntry
{
    std::string id;  // sorts in the order the journals were made
    std::string tag; // what the journal's maker filed it under (a folder's digest, say)
    JournalState state = JournalState::Running;
    std::chrono::system_clock::time_point made = {};
    std::uint64_t bytes = 0; // of its text
};

// The journals of rename batches, kept between runs of the program so that a batch cut off by a
// crash or a power cut can be finished or taken back, and a finished one undone. Abstract so
// that tests can use a fake and fail its calls.
class JournalStore
{
public:
    virtual ~JournalStore() = default;

    // Keeps `text` as a new journal in state Running and returns its id only once it is safe
    // on disk (the file and the folder that holds it flushed).
    virtual FsResult<std::string> create(std::string_view tag, std::string_view text) = 0;
    // Moves a journal to `state`, safely on disk.
    virtual FsResult<void> setState(const std::string &id, JournalState state) = 0;
    // Every journal kept, oldest first.
    virtual std::vector<JournalEntry> list() = 0;
    virtual FsResult<std::string> read(const std::string &id) = 0;
    virtual void remove(const std::string &id) = 0;

    // Where the journals are kept, and where one of them is, as a person would look for them.
    virtual std::string location() const = 0;
    virtual std::string pathOf(const std::string &id) = 0;
};

} // namespace tavolin::services
