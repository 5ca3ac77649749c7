#pragma once

#include "platform/window_state.h"

namespace tavolin::listing {

// Keeps `window` above every other window. Returns non-zero on success, as the window system
// reports it.
inline int SetTopMost(platform::WindowState &window)
{
    window.setTopMost(true);
    return 1;
}

} // namespace tavolin::listing
