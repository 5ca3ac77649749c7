#include "controls/qt/background_threads.h"

#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <utility>

namespace tavolin::controls {

BackgroundThreads::BackgroundThreads()
{
    // The folder list and the file list read the same folder side by side.
    m_pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
}

BackgroundThreads::~BackgroundThreads()
{
    m_pool.clear(); // the work not begun yet
    m_pool.waitForDone();
}

void BackgroundThreads::run(std::function<void()> work, std::function<void()> done)
{
    m_pool.start([this, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(&m_windowThread, std::move(done), Qt::QueuedConnection);
    });
}

} // namespace tavolin::controls
