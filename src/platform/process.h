#pragma once

#include "platform/path_style.h"

#include <string>
#include <string_view>

namespace tavolin::platform {

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

// The folder both windows start in: the program's own folder when it is a folder of the user's
// (one the user may write to, outside the system's folders), otherwise the user's home folder,
// so that an installed program never opens on the system's program files.
std::string startFolder(ProcessServices &process, const PathStyle &style);

} // namespace tavolin::platform
