#include "services/later.h"

#include <utility>

namespace tavolin::services {

Coalesced::Coalesced(Later &later, std::function<void()> work)
    : m_later(later)
    , m_work(std::move(work))
{}

void Coalesced::ask()
{
    if (std::exchange(*m_pending, true))
        return;
    m_later.soon([this, pending = std::weak_ptr<bool>(m_pending)] {
        if (const auto alive = pending.lock())
            settle();
    });
}

void Coalesced::settle()
{
    if (std::exchange(*m_pending, false))
        m_work();
}

} // namespace tavolin::services
