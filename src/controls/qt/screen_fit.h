#pragma once

#include <QObject>
#include <QSize>

class QEvent;
class QScrollArea;
class QWidget;

namespace tavolin::controls {

// Keeps a window of a designed size usable on any screen. The window's controls stand on a body
// of the designed size inside a frameless scroll area that fills the window. Where the screen's
// available area holds the designed size, the window has exactly that size and nothing scrolls;
// where it does not (a small screen, a large scale factor), the window takes what the area
// holds, the body scrolls (Tab brings each control into view), and the user may resize the
// window up to the designed size. Either way the window opens inside the available area.
class ScreenFit : public QObject
{
public:
    explicit ScreenFit(QWidget *window);

    // The widget to build the controls on.
    QWidget *body() const { return m_body; }
    // The designed size, as the window's client area.
    void setBodySize(QSize size);
    void setBodyWidth(int width);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();
    void moveInside();
    QSize frameExtent() const;

    QWidget *m_window;
    QScrollArea *m_scroll;
    QWidget *m_body;
};

} // namespace tavolin::controls
