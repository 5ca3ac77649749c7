#include "controls/qt/screen_fit.h"

#include <QEvent>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace tavolin::controls {

namespace {

// The smallest size the user may shrink a scrolling window to: room for a few controls.
constexpr QSize kSmallest{240, 160};

} // namespace

ScreenFit::ScreenFit(QWidget *window)
    : QObject(window)
    , m_window(window)
    , m_scroll(new QScrollArea(window))
    , m_body(new QWidget)
{
    m_scroll->setFrameShape(QFrame::NoFrame);
    // The scroll area is no stop of the Tab key; the controls on the body keep their order.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidget(m_body);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    window->installEventFilter(this);
}

void ScreenFit::setBodySize(QSize size)
{
    m_body->setFixedSize(size);
    fit();
    // A window that grew where it stands (a panel shown) may reach past the screen's edge.
    if (m_window->isVisible())
        moveInside();
}

void ScreenFit::setBodyWidth(int width)
{
    setBodySize({width, m_body->height()});
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show) {
        // Only a shown window knows its frame and its screen for sure.
        fit();
        moveInside();
    }
    return QObject::eventFilter(watched, event);
}

void ScreenFit::fit()
{
    const QSize designed = m_body->size();
    const QSize room = m_window->screen()->availableGeometry().size() - frameExtent();
    const bool fits = designed.width() <= room.width() && designed.height() <= room.height();
    // A window of its designed size never scrolls, not even for the moment that its body has
    // grown and the window not yet.
    const Qt::ScrollBarPolicy bars = fits ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_scroll->setHorizontalScrollBarPolicy(bars);
    m_scroll->setVerticalScrollBarPolicy(bars);
    if (fits) {
        m_window->setFixedSize(designed);
        return;
    }
    // A scroll bar across one side takes room from the other.
    const int bar = m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_scroll);
    const QSize largest = designed
                          + QSize(designed.height() > room.height() ? bar : 0,
                                  designed.width() > room.width() ? bar : 0);
    m_window->setMinimumSize(kSmallest.boundedTo(largest));
    m_window->setMaximumSize(largest);
    m_window->resize(largest.boundedTo(room));
}

void ScreenFit::moveInside()
{
    const QRect area = m_window->screen()->availableGeometry();
    const QRect frame = m_window->frameGeometry();
    if (area.contains(frame))
        return;
    // move() places the frame's corner.
    const int x = std::clamp(
            frame.x(), area.left(), std::max(area.left(), area.right() + 1 - frame.width()));
    const int y = std::clamp(
            frame.y(), area.top(), std::max(area.top(), area.bottom() + 1 - frame.height()));
    m_window->move(x, y);
}

QSize ScreenFit::frameExtent() const
{
    const QSize shown = m_window->frameGeometry().size() - m_window->size();
    if (shown.height() > 0)
        return shown;
    // Before the window manager has framed the window: at least a title bar.
    return {0, m_window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, m_window)};
}

} // namespace tavolin::controls
