#pragma once

#include <bit>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// Numbers 0, 1, 2 ... (a plan's moves) by name, the first entered under each name kept: a plan
// looks up as many names as a folder holds on every key of a preview, so the table is one small
// block of slots found by the names' hashes, with nothing allocated per name. `NameOf` gives the
// name of a number.
template<typename NameOf>
class FirstByName
{
public:
    // A table for the numbers below `count`.
    FirstByName(std::size_t count, NameOf nameOf)
        : m_slots(std::bit_ceil(2 * count + 2), -1)
        , m_nameOf(nameOf)
    {}

    // Enters `number` under its name unless a number is there already; the number under the
    // name afterwards.
    int emplace(int number)
    {
        int &slot = m_slots[slotOf(m_nameOf(number))];
        if (slot < 0)
            slot = number;
        return slot;
    }

    // The number entered under `name`; -1 where there is none.
    int find(std::string_view name) const { return m_slots[slotOf(name)]; }

private:
    // The slot that holds `name`, or the empty one where it would go. At most half the slots
    // are taken, so an empty one comes.
    std::size_t slotOf(std::string_view name) const
    {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t index = std::hash<std::string_view>()(name) & mask;
        while (m_slots[index] >= 0 && m_nameOf(m_slots[index]) != name)
            index = (index + 1) & mask;
        return index;
    }

    std::vector<int> m_slots; // -1 where empty
    NameOf m_nameOf;
};

} // namespace tavolin::rename
