#pragma once

#include "controls/signal.h"

#include <utility>

namespace tavolin::controls {

// What every control has: whether the user can use it and whether it shows. `appearanceChanged`
// tells the view to redraw captions and the enabled and visible states, which no handler reacts
// to; it runs only when the value really changes.
class Control
{
public:
    // Whether the user can use the control: enabled, and not held disabled.
    bool enabled() const { return m_enabled && m_holds == 0; }
    void setEnabled(bool enabled)
    {
        changeEnabled([&] { m_enabled = enabled; });
    }
    // Keeps the control disabled until as many releases as holds, whatever setEnabled says
    // meanwhile; the last setEnabled counts again from the release. Long work holds the controls
    // that would start other work, while the window's own rules go on as usual.
    void holdDisabled()
    {
        changeEnabled([&] { ++m_holds; });
    }
    void releaseDisabled()
    {
        changeEnabled([&] { --m_holds; });
    }
    // Whether long work holds the control disabled just now.
    bool held() const { return m_holds > 0; }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { update(m_visible, visible); }

    Signal<> appearanceChanged;

protected:
    explicit Control(bool enabled = true, bool visible = true)
        : m_enabled(enabled)
        , m_visible(visible)
    {}

    template<typename T>
    void update(T &field, T value)
    {
        if (field == value)
            return;
        field = std::move(value);
        appearanceChanged.emit();
    }

private:
    template<typename Change>
    void changeEnabled(Change change)
    {
        const bool before = enabled();
        change();
        if (enabled() != before)
            appearanceChanged.emit();
    }

    bool m_enabled;
    int m_holds = 0;
    bool m_visible;
};

} // namespace tavolin::controls
