#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::text {

// Strings read by their place, packed into one block: a million file names cost their bytes and
// the place where each ends, not a std::string and a heap block each (about three times as much).
class PackedStrings
{
public:
    PackedStrings() = default;
    explicit PackedStrings(std::span<const std::string> strings);

    std::size_t size() const { return m_ends.size(); }
    bool empty() const { return m_ends.empty(); }
    std::string_view operator[](std::size_t index) const
    {
        const std::size_t start = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(start, m_ends[index] - start);
    }

private:
    std::string m_bytes;
    std::vector<std::size_t> m_ends;
};

} // namespace tavolin::text
