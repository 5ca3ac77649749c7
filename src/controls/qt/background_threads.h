#pragma once

#include "controls/background.h"

#include <QObject>
#include <QThreadPool>

namespace tavolin::controls {

// The lists' Background on threads of Qt's own: each work runs on a thread of a pool, and what
// follows it is posted to the thread that made this object, the window's. Going away, it waits
// for the work that runs and drops what was not handed back yet; so it must go before whatever
// the work reads (the file system).
class BackgroundThreads final : public Background
{
public:
    BackgroundThreads();
    ~BackgroundThreads() override;
    BackgroundThreads(const BackgroundThreads &) = delete;
    BackgroundThreads &operator=(const BackgroundThreads &) = delete;

    void run(std::function<void()> work, std::function<void()> done) override;

private:
    QObject m_windowThread; // where `done` runs; what is posted to it goes with it
    QThreadPool m_pool;
};

} // namespace tavolin::controls
