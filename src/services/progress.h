#pragma once

#include <cstddef>
#include <string_view>

namespace tavolin::services {

// Long work tells the person waiting how far it has come, and learns whether they asked it to
// stop. The program's own shows nothing for work that ends within about half a second; after
// that it shows what is being done, how many of how many, and a button to stop, and keeps the
// windows painted while the work runs. Abstract so that tests can stop work at a chosen step.
class Progress
{
public:
    virtual ~Progress() = default;

    // Work described by `what` begins.
    virtual void start(std::string_view what) = 0;
    // `done` of `total` steps are done. False once the user has asked to stop: the work then
    // stops at its next point where stopping leaves everything whole.
    [[nodiscard]] virtual bool advance(std::size_t done, std::size_t total) = 0;
    // The work has ended, finished or stopped.
    virtual void finish() = 0;
    // Asks the work running now to stop, as the stop button does (a window closed meanwhile).
    virtual void askToStop() = 0;
};

// Shows one piece of work from its start to its finish, whichever way it ends; the work itself
// reports its steps to the Progress.
class ProgressScope
{
public:
    ProgressScope(Progress &progress, std::string_view what)
        : m_progress(progress)
    {
        m_progress.start(what);
    }
    ~ProgressScope() { m_progress.finish(); }
    ProgressScope(const ProgressScope &) = delete;
    ProgressScope &operator=(const ProgressScope &) = delete;

private:
    Progress &m_progress;
};

} // namespace tavolin::services
