#pragma once

#include "services/later.h"

#include <QObject>

namespace tavolin::services {

// The next turn of Qt's event loop: a timer of no interval, which runs once the events waiting
// (keys, paints) have been handled. Work still waiting when this goes does not run.
class QtLater final : public Later
{
public:
    void soon(std::function<void()> work) override;

private:
    QObject m_context;
};

} // namespace tavolin::services
