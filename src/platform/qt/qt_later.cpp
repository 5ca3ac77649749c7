#include "platform/qt/qt_later.h"

#include <QTimer>

namespace tavolin::services {

void QtLater::soon(std::function<void()> work)
{
    auto *timer = new QTimer(&m_context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, &m_context, [timer, work = std::move(work)] {
        timer->deleteLater();
        work();
    });
    timer->start(0);
}

} // namespace tavolin::services
