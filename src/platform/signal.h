#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tavolin::platform {

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
    void connect(Slot slot) { m_slots->push_back(std::move(slot)); }

    // Listens until the returned connection goes out of scope. Views connect so.
    [[nodiscard]] Connection connectScoped(Slot slot)
    {
        const std::size_t index = m_slots->size();
        m_slots->push_back(std::move(slot));
        std::weak_ptr<std::vector<Slot>> slots = m_slots;
        return Connection([slots, index] {
            if (const auto alive = slots.lock())
                (*alive)[index] = nullptr;
        });
    }

    void emit(Args... args) const
    {
        // By index: a listener may connect another while this runs.
        const auto &slots = *m_slots;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (slots[i])
                slots[i](args...);
        }
    }

private:
    std::shared_ptr<std::vector<Slot>> m_slots = std::make_shared<std::vector<Slot>>();
};

} // namespace tavolin::platform
