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

} // namespace tavolin::text
