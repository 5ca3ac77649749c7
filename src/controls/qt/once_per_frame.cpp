#include "controls/qt/once_per_frame.h"

#include <QMetaObject>
#include <QObject>

#include <memory>
#include <utility>

namespace tavolin::controls {

std::function<void()> oncePerFrame(QObject *context, std::function<void()> show)
{
    auto pending = std::make_shared<bool>(false);
    auto shared = std::make_shared<std::function<void()>>(std::move(show));
    return [context, pending, shared] {
        if (std::exchange(*pending, true))
            return;
        QMetaObject::invokeMethod(
                context,
                [pending, shared] {
                    *pending = false;
                    (*shared)();
                },
                Qt::QueuedConnection);
    };
}

} // namespace tavolin::controls
