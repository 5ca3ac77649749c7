#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tavolin::controls {

// Undoes one connection when it goes out of scope, so that a view that goes away before the
// model it listens to leaves nothing behind that could call it.
class Connection
{
public:
    Connection() = default;
    explicit Connection(std::function<void()> disconnect)
        : m_disconnect(std::move(disconnect))
    {}
    Connection(Connection &&other) noexcept
        : m_disconnect(std::exchange(other.m_disconnect, nullptr))
    {}
    Connection &operator=(Connection &&other) noexcept
    {
        if (this != &other) {
            disconnect();
            m_disconnect = std::exchange(other.m_disconnect, nullptr);
        }
        return *this;
    }
    ~Connection() { disconnect(); }

    void disconnect()
    {
        if (m_disconnect)
            std::exchange(m_disconnect, nullptr)();
    }

private:
    std::function<void()> m_disconnect;
};

// A notification with any number of listeners, called synchronously in the order they were
// connected. A listener may change other controls, whose notifications then run nested, to
// completion, before the outer notification continues.
//
// A notification calls the listeners connected when it began (a snapshot): one connected while
// it runs is first called by the next notification; one disconnected while it runs, also the
// one running, is not called again, and the running one stays alive until it returns.
template<typename... Args>
class Signal
{
public:
    using Slot = std::function<void(Args...)>;

    Signal() = default;
    Signal(const Signal &) = delete;
    Signal &operator=(const Signal &) = delete;
    // A moved signal keeps its listeners; connections made to it stay valid.
    Signal(Signal &&) noexcept = default;
    Signal &operator=(Signal &&) noexcept = default;

    // Listens for as long as the signal lives. The window models connect their handlers so.
    void connect(Slot slot) { m_listeners->push_back(std::make_shared<Listener>(std::move(slot))); }

    // Listens until the returned connection goes out of scope. Views connect so.
    [[nodiscard]] Connection connectScoped(Slot slot)
    {
        auto listener = std::make_shared<Listener>(std::move(slot));
        m_listeners->push_back(listener);
        std::weak_ptr<Listeners> listeners = m_listeners;
        std::weak_ptr<Listener> weakListener = listener;
        return Connection([listeners, weakListener] {
            const auto alive = listeners.lock();
            const auto self = weakListener.lock();
            if (!alive || !self)
                return;
            self->connected = false;
            std::erase(*alive, self);
        });
    }

    void emit(Args... args) const
    {
        const Listeners snapshot = *m_listeners;
        for (const auto &listener : snapshot) {
            if (listener->connected)
                listener->slot(args...);
        }
    }

private:
    struct Listener
    {
        explicit Listener(Slot s)
            : slot(std::move(s))
        {}
        Slot slot;
        bool connected = true;
    };
    using Listeners = std::vector<std::shared_ptr<Listener>>;

    std::shared_ptr<Listeners> m_listeners = std::make_shared<Listeners>();
};

} // namespace tavolin::controls
