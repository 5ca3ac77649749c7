#pragma once

#include "rename/sheet_renames.h"

#include <cstddef>
#include <string>

namespace tavolin::renamewindow {

// What the rename window says after a sheet was applied: how many of its rows gave a file its
// new name, each row it did not apply with why (the first ten, then how many more), and how
// many planned names the batch would refuse (`refused`, marked in the columns).
std::string sheetAppliedReport(const rename::SheetMatch &match, std::size_t refused);

// The last part of that message alone: planned names the batch would refuse.
std::string sheetRefusedRowsReport(std::size_t refused);

} // namespace tavolin::renamewindow
