#pragma once

#include <optional>
#include <sys/types.h>

namespace tavolin::bench {

// Xvfb, from before the first window to the end of the bench. It also goes when the bench dies
// in any other way: the kernel sends it SIGTERM once its parent has gone.
class XServer
{
public:
    XServer() = default;
    ~XServer() { stop(); }
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;

    // Starts Xvfb on a free display and returns the display's number; nothing, with why on
    // stderr, when it cannot.
    std::optional<int> start();
    void stop();

private:
    pid_t m_pid = -1;
};

} // namespace tavolin::bench
