#pragma once

#include "rename/rename_plan.h"

#include <string>
#include <vector>

namespace tavolin::test {

// A batch renaming `current[i]` to the whole name `planned[i]` (no extension of its own).
inline std::vector<rename::PlannedRow> renamesTo(const std::vector<std::string> &current,
                                                 const std::vector<std::string> &planned)
{
    std::vector<rename::PlannedRow> rows;
    for (std::size_t row = 0; row < current.size() && row < planned.size(); ++row)
        rows.push_back({current[row], planned[row], {}});
    return rows;
}

} // namespace tavolin::test
