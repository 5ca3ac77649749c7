#pragma once

#include "controls/controls.h"
#include "controls/window_state.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace tavolin::controls {

// Long work under way in a window: the controls that would start other work are disabled until
// the work ends, when each gets back the state it had. The window's busy pointer shows too.
class WorkInProgress
{
public:
    WorkInProgress(WindowState &window, std::initializer_list<Control *> startingWork)
        : m_busy(window)
    {
        for (Control *control : startingWork) {
            m_held.emplace_back(control, control->enabled());
            control->setEnabled(false);
        }
    }
    ~WorkInProgress()
    {
        for (const auto &[control, enabled] : m_held)
            control->setEnabled(enabled);
    }
    WorkInProgress(const WorkInProgress &) = delete;
    WorkInProgress &operator=(const WorkInProgress &) = delete;

private:
    BusyPointer m_busy;
    std::vector<std::pair<Control *, bool>> m_held;
};

} // namespace tavolin::controls
