#include "shared/file_order_choice.h"

#include <array>
#include <string>

namespace tavolin::shared {

namespace {

// In the order of order::FileOrder.
constexpr std::array<std::string_view, 5> kItems{
        "名前順", "名前順(数値)", "更新日時順", "サイズ順", "フォルダの順"};
static_assert(static_cast<std::size_t>(order::FileOrder::Folder) + 1 == kItems.size());

} // namespace

controls::ComboBox makeOrderChoice(std::string_view toolTip)
{
    return controls::ComboBox({kItems.begin(), kItems.end()}, std::string(toolTip));
}

order::FileOrder orderOfItem(int index)
{
    return static_cast<order::FileOrder>(index);
}

int itemOfOrder(order::FileOrder order)
{
    return static_cast<int>(order);
}

} // namespace tavolin::shared
