#pragma once

#include <functional>

namespace tavolin::controls {

// Where a list reads what it shows when that may take long, as a folder of a million files
// does: on another thread, while the window goes on answering, the result handed back to the
// window's thread. A list given none reads at once, on the window's thread, as the models' tests
// see it.
class Background
{
public:
    virtual ~Background() = default;

    // Runs `work` on another thread, then `done` on the window's thread. `work` must touch
    // nothing the window's thread changes meanwhile; `done` is dropped when the program ends
    // before it could run.
    virtual void run(std::function<void()> work, std::function<void()> done) = 0;
};

} // namespace tavolin::controls
