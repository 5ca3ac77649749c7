#pragma once

#include "controls/signal.h"

#include <string>

namespace tavolin::controls {

enum class MousePointer { Default, Busy };

// The state of a window as a whole that its model controls: the mouse pointer over it, its
// outer width, and its closing.
class WindowState
{
public:
    // Window widths are given in twips, 1/1440 inch: 15 twips make one pixel at 96 dots per inch.
    static constexpr int kTwipsPerPixel = 15;

    explicit WindowState(int widthTwips = 0)
        : m_widthTwips(widthTwips)
    {}

    MousePointer pointer() const { return m_pointer; }
    void setPointer(MousePointer pointer)
    {
        if (m_pointer == pointer)
            return;
        m_pointer = pointer;
        pointerChanged.emit();
    }

    int widthTwips() const { return m_widthTwips; }
    int widthPixels() const { return m_widthTwips / kTwipsPerPixel; }
    void setWidthTwips(int width)
    {
        if (m_widthTwips == width)
            return;
        m_widthTwips = width;
        widthChanged.emit();
    }

    // Whether the window stays in front of every other window.
    bool topMost() const { return m_topMost; }
    void setTopMost(bool topMost)
    {
        if (m_topMost == topMost)
            return;
        m_topMost = topMost;
        topMostChanged.emit();
    }

    // Asks the view to close the window.
    void close() { closeRequested.emit(); }

    Signal<> pointerChanged;
    Signal<> widthChanged;
    Signal<> topMostChanged;
    Signal<> closeRequested;

private:
    MousePointer m_pointer = MousePointer::Default;
    int m_widthTwips;
    bool m_topMost = false;
};

// Shows the busy pointer over a window for as long as it lives, so that the pointer it had comes
// back on every way out of a long operation (also out of one nested in another).
class BusyPointer
{
public:
    explicit BusyPointer(WindowState &window)
        : m_window(window)
        , m_previous(window.pointer())
    {
        m_window.setPointer(MousePointer::Busy);
    }
    ~BusyPointer() { m_window.setPointer(m_previous); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    WindowState &m_window;
    MousePointer m_previous;
};

} // namespace tavolin::controls
