#pragma once

#include <string_view>

// What the progress says of the long work more than one window does.
namespace tavolin::shared {

inline constexpr std::string_view kScanningProgress = "ファイルを読み込んでいます";
inline constexpr std::string_view kPuttingNamesBackProgress = "元の名前に戻しています";

} // namespace tavolin::shared
