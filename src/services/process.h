#pragma once

#include <string>
#include <string_view>

namespace tavolin::services {

// What the program learns about, and does to, its own process.
class ProcessServices
{
public:
    virtual ~ProcessServices() = default;

    // Whether another copy of the program already runs for this user. The first call claims
    // the per-user single-instance lock for this process, which keeps it until it ends (also
    // when it crashes, so a crashed copy never blocks the next start).
    virtual bool anotherInstanceRunning() = 0;

    // The folder that holds the program file, without a trailing separator (but "/" stays).
    virtual std::string programFolder() = 0;

    // The process's current folder, without a trailing separator (but "/" stays).
    virtual std::string currentFolder() = 0;

    // The user's home folder, without a trailing separator.
    virtual std::string homeFolder() = 0;

    // Whether the user running the program may create and rename files in `folder`.
    virtual bool userMayWrite(std::string_view folder) = 0;

    // Ends the program at once: every window disappears without a question.
    virtual void exitNow() = 0;
};

} // namespace tavolin::services
