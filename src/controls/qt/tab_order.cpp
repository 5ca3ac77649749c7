#include "controls/qt/tab_order.h"

#include <QLayout>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace tavolin::controls {

namespace {

// A control, or a widget holding controls, where it stands in its parent.
struct Place
{
    QRect rect;
    std::vector<QWidget *> controls; // in reading order
};

// Where a place extends along one axis, less a margin at both ends (a quarter of its extent, at
// most 8 pixels), so that places overlapping by a few pixels stand apart.
std::pair<int, int> core(const QRect &rect, bool vertical)
{
    const int from = vertical ? rect.top() : rect.left();
    const int extent = vertical ? rect.height() : rect.width();
    const int margin = std::min(8, extent / 4);
    return {from + margin, from + extent - margin};
}

// `places` in groups that no place crosses from one to the next, from the top (rows) or from the
// left (columns); one group where there is no gap.
std::vector<std::vector<Place>> split(std::vector<Place> places, bool vertical)
{
    std::ranges::stable_sort(places, {}, [vertical](const Place &place) {
        return core(place.rect, vertical).first;
    });
    std::vector<std::vector<Place>> groups;
    int end = INT_MIN; // where the places of the group so far end
    for (Place &place : places) {
        const auto [from, to] = core(place.rect, vertical);
        if (groups.empty() || from >= end)
            groups.emplace_back();
        end = std::max(end, to);
        groups.back().push_back(std::move(place));
    }
    return groups;
}

// Rows first, then columns in each row, and so on down to single places.
void read(std::vector<Place> places, std::vector<QWidget *> &order)
{
    if (places.size() > 1) {
        for (const bool vertical : {true, false}) {
            std::vector<std::vector<Place>> groups = split(places, vertical);
            if (groups.size() > 1) {
                for (std::vector<Place> &group : groups)
                    read(std::move(group), order);
                return;
            }
        }
        std::ranges::stable_sort(places, {}, [](const Place &place) {
            return std::pair(place.rect.top(), place.rect.left());
        });
    }
    for (const Place &place : places)
        order.insert(order.end(), place.controls.begin(), place.controls.end());
}

std::vector<QWidget *> readingOrder(QWidget *container)
{
    // Hidden widgets are laid out only when shown; the order needs their places now.
    if (QLayout *layout = container->layout())
        layout->activate();
    std::vector<Place> places;
    for (QWidget *child : container->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        if ((child->focusPolicy() & Qt::TabFocus) == Qt::TabFocus)
            places.push_back({child->geometry(), {child}});
        else if (std::vector<QWidget *> inner = readingOrder(child); !inner.empty())
            places.push_back({child->geometry(), std::move(inner)});
    }
    std::vector<QWidget *> order;
    read(std::move(places), order);
    return order;
}

} // namespace

void setReadingTabOrder(QWidget *body)
{
    const std::vector<QWidget *> order = readingOrder(body);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace tavolin::controls
