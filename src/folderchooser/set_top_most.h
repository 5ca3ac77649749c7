#pragma once

#include "controls/window_state.h"

namespace tavolin::folderchooser {

// Keeps `window` above every other window. Returns non-zero on success, as the window system
// reports it.
inline int SetTopMost(controls::WindowState &window)
{
    window.setTopMost(true);
    return 1;
}

} // namespace tavolin::folderchooser
