#include "text/packed_strings.h"

namespace tavolin::text {

PackedStrings::PackedStrings(std::span<const std::string> strings)
{
    std::size_t total = 0;
    for (const std::string &string : strings)
        total += string.size();
    m_bytes.reserve(total);
    m_ends.reserve(strings.size());
    for (const std::string &string : strings) {
        m_bytes += string;
        m_ends.push_back(m_bytes.size());
    }
}

std::vector<std::string> PackedStrings::unpacked() const
{
    std::vector<std::string> strings;
    strings.reserve(size());
    for (std::size_t index = 0; index < size(); ++index)
        strings.emplace_back((*this)[index]);
    return strings;
}

} // namespace tavolin::text
