#include "shared/sheet_choice.h"

#include <algorithm>
#include <string>

namespace tavolin::shared {

namespace {

constexpr std::size_t kExcelType = 1; // the filter's second pair

} // namespace

bool savesExcelBook(const services::SaveChoice &choice)
{
    std::string name = choice.path;
    std::ranges::transform(name, name.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    if (name.ends_with(".xlsx") || name.ends_with(".csv"))
        return name.ends_with(".xlsx");
    return choice.fileType == kExcelType;
}

} // namespace tavolin::shared
