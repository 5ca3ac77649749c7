#pragma once

#include "controls/control_table.h"
#include "controls/window_state.h"
#include "services/progress.h"

#include <string_view>
#include <vector>

namespace tavolin::controls {

// Long work in a window from its start to its end, whichever way it ends: the program's progress
// shows what it is and how far it has come, the busy pointer shows over the window, and the
// window's controls that would start other work (ControlRole::StartsWork in its table) are held
// disabled (see Control::holdDisabled).
class LongWork
{
public:
    LongWork(services::Progress &progress,
             std::string_view what,
             WindowState &window,
             const ControlTable &controls)
        : m_busy(window)
        , m_held(controlsIn(controls, ControlRole::StartsWork))
        , m_progress(progress, what)
    {
        for (Control *control : m_held)
            control->holdDisabled();
    }
    ~LongWork()
    {
        for (Control *control : m_held)
            control->releaseDisabled();
    }
    LongWork(const LongWork &) = delete;
    LongWork &operator=(const LongWork &) = delete;

private:
    BusyPointer m_busy;
    std::vector<Control *> m_held;
    services::ProgressScope m_progress; // ends before the controls come back
};

} // namespace tavolin::controls
