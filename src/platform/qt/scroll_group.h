#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

namespace tavolin::platform {

class ListBoxView;

// Keeps lists whose rows stand side by side scrolled together: scrolling one (by wheel, scroll
// bar or keyboard) scrolls the others to the same offset, and each gets the scroll range of the
// longest, so that a shorter list follows to the end and row k stays level in all of them.
// Lives as long as the first list, and lets go of the others when it goes.
class ScrollGroup : public QObject
{
public:
    explicit ScrollGroup(std::vector<ListBoxView *> views);
    ~ScrollGroup() override;

private:
    void follow(ListBoxView *source, int offset);
    void widenRanges();

    std::vector<QPointer<ListBoxView>> m_views;
    int m_offset = 0;
    bool m_moving = false;
};

} // namespace tavolin::platform
