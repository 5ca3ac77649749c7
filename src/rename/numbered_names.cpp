#include "rename/numbered_names.h"

#include <algorithm>

namespace tavolin::rename {

std::string PadNumber(long long index, long long count)
{
    const std::size_t width = std::to_string(count).size();
    const std::string digits = std::to_string(index);
    return std::string(width - std::min(width, digits.size()), '0') + digits;
}

std::vector<std::string>
MakeNumberedNames(long long count, std::string_view baseText, NumberPosition position)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (long long i = 0; i < count; ++i) {
        const std::string number = PadNumber(i, count);
        std::string name;
        name.reserve(number.size() + baseText.size());
        if (position == NumberPosition::Head)
            name.append(number).append(baseText);
        else
            name.append(baseText).append(number);
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace tavolin::rename
