#include "controls/qt/scroll_group.h"

#include "controls/qt/list_box_view.h"

#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace tavolin::controls {

ScrollGroup::ScrollGroup(std::vector<ListBoxView *> views)
    : QObject(views.front()->window())
    , m_views(std::move(views))
{
    for (ListBoxView *view : m_views) {
        // The same viewport height in every list, so that the same offset shows the same rows:
        // no horizontal scroll bar (long names are shortened in the middle, which keeps their
        // extension in sight), and a vertical one always there. A scroll bar that came and went
        // would also fight the widened range: Qt hides it where the list's own rows fit.
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view->setTextElideMode(Qt::ElideMiddle);
        QObject::connect(view->verticalScrollBar(),
                         &QScrollBar::valueChanged,
                         this,
                         [this, view](int offset) { follow(view, offset); });
        view->setLayoutHandler([this] { widenRanges(); });
        // A list that goes is already half gone when it says so: from then on none of them is
        // touched, and those still there stop calling.
        QObject::connect(view, &QObject::destroyed, this, [this, view] {
            std::erase(m_views, view);
            letGo();
        });
    }
    widenRanges();
}

ScrollGroup::~ScrollGroup()
{
    letGo();
}

void ScrollGroup::letGo()
{
    for (ListBoxView *view : std::exchange(m_views, {}))
        view->setLayoutHandler(nullptr);
}

void ScrollGroup::follow(ListBoxView *source, int offset)
{
    // A layout narrows a range for a moment and so moves the offset; that is nobody scrolling.
    if (m_moving || source->layingOut())
        return;
    m_moving = true;
    m_offset = offset;
    for (ListBoxView *view : m_views)
        view->verticalScrollBar()->setValue(offset);
    m_moving = false;
}

void ScrollGroup::widenRanges()
{
    int maximum = 0;
    for (const ListBoxView *view : m_views)
        maximum = std::max(maximum, view->naturalScrollMaximum());
    m_moving = true;
    m_offset = std::min(m_offset, maximum);
    for (ListBoxView *view : m_views) {
        view->verticalScrollBar()->setRange(0, maximum);
        view->verticalScrollBar()->setValue(m_offset);
    }
    m_moving = false;
}

} // namespace tavolin::controls
