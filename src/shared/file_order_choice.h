#pragma once

#include "controls/controls.h"
#include "controls/signal.h"
#include "order/file_order.h"

#include <string_view>

// The order of files, one choice for the whole run, which both windows offer as cboOrder.
namespace tavolin::shared {

// The order chosen; name order at every start.
class RunFileOrder
{
public:
    order::FileOrder value() const { return m_value; }

    // Runs `changed` when `order` is another one.
    void set(order::FileOrder order)
    {
        if (order == m_value)
            return;
        m_value = order;
        changed.emit();
    }

    controls::Signal<> changed;

private:
    order::FileOrder m_value = order::FileOrder::Name;
};

// What each window's choice says of when its lists follow a new order.
inline constexpr std::string_view kOrderTipWithFileList
        = "ファイルを並べる順です。ファイル一覧はすぐに並べ替わり、リストは次の「取得」から"
          "この順になります。";
inline constexpr std::string_view kOrderTip
        = "ファイルを並べる順です。リストは次の「取得」からこの順になります（予定した名前が"
          "途中で並べ替わることはありません）。";

// The choice as a window shows it, with `toolTip`: one item per order, in the order of
// order::FileOrder.
controls::ComboBox makeOrderChoice(std::string_view toolTip);

// The order of the item `index` of the choice, and the item of `order`.
order::FileOrder orderOfItem(int index);
int itemOfOrder(order::FileOrder order);

} // namespace tavolin::shared
