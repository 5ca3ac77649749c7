#pragma once

#include "rename/sheet_renames.h"

#include <string>

namespace tavolin::renamewindow {

// What the rename window says after a sheet was applied: how many of its rows gave a file its
// new name, and each row it did not apply with why (the first ten, then how many more).
std::string sheetAppliedReport(const rename::SheetMatch &match);

} // namespace tavolin::renamewindow
