#pragma once

#include "controls/work_in_progress.h"
#include "services/progress.h"

#include <initializer_list>
#include <string_view>

namespace tavolin::controls {

// Long work in a window from its start to its end, whichever way it ends: the program's progress
// shows what it is and how far it has come, the busy pointer shows over the window, and the
// window's controls that would start other work are disabled meanwhile.
class LongWork
{
public:
    LongWork(services::Progress &progress,
             std::string_view what,
             WindowState &window,
             std::initializer_list<Control *> startingWork)
        : m_controls(window, startingWork)
        , m_progress(progress, what)
    {}

private:
    WorkInProgress m_controls;
    services::ProgressScope m_progress; // ends before the controls come back
};

} // namespace tavolin::controls
