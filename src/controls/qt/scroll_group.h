#pragma once

#include <QObject>

#include <vector>

namespace tavolin::controls {

class ListBoxView;

// Keeps lists whose rows stand side by side scrolled together: scrolling one (by wheel, scroll
// bar or keyboard) scrolls the others to the same offset, and each gets the scroll range of the
// longest, so that a shorter list follows to the end and row k stays level in all of them.
// Belongs to the lists' window; it lets go of them all as soon as one of them goes.
class ScrollGroup : public QObject
{
public:
    explicit ScrollGroup(std::vector<ListBoxView *> views);
    ~ScrollGroup() override;

private:
    void follow(ListBoxView *source, int offset);
    void widenRanges();
    void letGo();

    std::vector<ListBoxView *> m_views; // all alive, or none
    int m_offset = 0;
    bool m_moving = false;
};

} // namespace tavolin::controls
