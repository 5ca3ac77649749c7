#pragma once

#include "rename/rename_plan.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace tavolin::renamewindow {

// The rows of a batch from the rename window's three columns, row k of each describing the same
// file. A file beyond the end of the planned base names or extensions (a names file shorter than
// the list) has no planned name and is left out: it stays as it is.
inline std::vector<rename::PlannedRow> plannedRows(std::span<const std::string> current,
                                                   std::span<const std::string> bases,
                                                   std::span<const std::string> extensions)
{
    std::vector<rename::PlannedRow> rows(
            std::min({current.size(), bases.size(), extensions.size()}));
    for (std::size_t row = 0; row < rows.size(); ++row)
        rows[row] = {current[row], bases[row], extensions[row]};
    return rows;
}

} // namespace tavolin::renamewindow
