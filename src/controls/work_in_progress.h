#pragma once

#include "controls/controls.h"
#include "controls/window_state.h"

#include <initializer_list>
#include <vector>

namespace tavolin::controls {

// Long work under way in a window: the controls that would start other work are held disabled
// until the work ends (see Control::holdDisabled). The window's busy pointer shows too.
class WorkInProgress
{
public:
    WorkInProgress(WindowState &window, std::initializer_list<Control *> startingWork)
        : m_busy(window)
        , m_held(startingWork)
    {
        for (Control *control : m_held)
            control->holdDisabled();
    }
    ~WorkInProgress()
    {
        for (Control *control : m_held)
            control->releaseDisabled();
    }
    WorkInProgress(const WorkInProgress &) = delete;
    WorkInProgress &operator=(const WorkInProgress &) = delete;

private:
    BusyPointer m_busy;
    std::vector<Control *> m_held;
};

} // namespace tavolin::controls
