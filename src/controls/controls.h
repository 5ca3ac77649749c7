#pragma once

#include "controls/control.h"
#include "controls/text_box.h"

#include <string>
#include <utility>
#include <vector>

// Models of the simple controls of a window. Each holds the state the user sees and announces
// changes: `changed` (or `clicked`) runs the window's handler and then lets the view redraw, and
// it runs only when the value really changes. `appearanceChanged` tells the view to redraw
// captions and the enabled and visible states, which no handler reacts to.
namespace tavolin::controls {

class Label : public Control
{
public:
    explicit Label(std::string caption = {})
        : m_caption(std::move(caption))
    {}

    const std::string &caption() const { return m_caption; }
    void setCaption(std::string caption) { update(m_caption, std::move(caption)); }

private:
    std::string m_caption;
};

class Button : public Control
{
public:
    explicit Button(std::string caption, bool enabled = true)
        : Control(enabled)
        , m_caption(std::move(caption))
    {}

    const std::string &caption() const { return m_caption; }
    void setCaption(std::string caption) { update(m_caption, std::move(caption)); }

    // Whether the Enter key presses this button.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault) { update(m_default, isDefault); }

    // A press by the user: nothing happens while the button is disabled or hidden.
    void click()
    {
        if (enabled() && visible())
            clicked.emit();
    }

    Signal<> clicked;

private:
    std::string m_caption;
    bool m_default = false;
};

// A check box: 0 clear, 1 ticked, 2 grayed.
// A check box's value. Grayed is a tick shown dimmed: neither the user (a click ticks or clears)
// nor the program sets it, but a handler says how it reads one.
enum class CheckValue { Clear, Ticked, Grayed };

class CheckBox : public Control
{
public:
    explicit CheckBox(std::string caption)
        : m_caption(std::move(caption))
    {}

    const std::string &caption() const { return m_caption; }
    CheckValue value() const { return m_value; }
    // Ticked or grayed.
    bool marked() const { return m_value != CheckValue::Clear; }

    // Runs `clicked` when the value changes, whether the user or the program changed it.
    void setTicked(bool ticked) { setValue(ticked ? CheckValue::Ticked : CheckValue::Clear); }
    void setValue(CheckValue value)
    {
        if (m_value == value)
            return;
        m_value = value;
        clicked.emit();
        appearanceChanged.emit();
    }

    Signal<> clicked;

private:
    std::string m_caption;
    CheckValue m_value = CheckValue::Clear;
};

// One option button of a group; the window keeps exactly one of the group selected.
class OptionButton : public Control
{
public:
    explicit OptionButton(std::string caption, bool value = false, bool enabled = true)
        : Control(enabled)
        , m_caption(std::move(caption))
        , m_value(value)
    {}

    const std::string &caption() const { return m_caption; }
    bool value() const { return m_value; }

    // Runs `clicked` when the button becomes selected.
    void setValue(bool value)
    {
        if (m_value == value)
            return;
        m_value = value;
        if (value)
            clicked.emit();
        appearanceChanged.emit();
    }

    Signal<> clicked;

private:
    std::string m_caption;
    bool m_value;
};

// A frame around other controls, with or without a caption.
class Frame : public Control
{
public:
    explicit Frame(std::string caption = {})
        : m_caption(std::move(caption))
    {}

    const std::string &caption() const { return m_caption; }

private:
    std::string m_caption;
};

// A drop-down list of fixed items, always one of them selected (the first at the start).
class ComboBox : public Control
{
public:
    ComboBox(std::vector<std::string> items, std::string toolTip)
        : m_items(std::move(items))
        , m_toolTip(std::move(toolTip))
    {}

    const std::vector<std::string> &items() const { return m_items; }
    const std::string &toolTip() const { return m_toolTip; }
    int selectedIndex() const { return m_selected; }

    // Runs `clicked` when another item becomes selected, whether the user or the program chose
    // it; an index that is no item's changes nothing.
    void setSelectedIndex(int index)
    {
        if (index == m_selected || index < 0 || index >= static_cast<int>(m_items.size()))
            return;
        m_selected = index;
        clicked.emit();
        appearanceChanged.emit();
    }

    Signal<> clicked;

private:
    std::vector<std::string> m_items;
    std::string m_toolTip;
    int m_selected = 0;
};

} // namespace tavolin::controls
