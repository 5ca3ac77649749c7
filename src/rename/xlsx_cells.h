#pragma once

#include "rename/sheet_cells.h"

#include <expected>
#include <string>
#include <string_view>

namespace tavolin::rename {

// The cells of the first worksheet of an Excel book (.xlsx), as their text: shared and inline
// strings without their phonetic readings, numbers as written in the book, TRUE and FALSE; a
// row's cells in their columns, those skipped empty, and blank rows left out. Says why when the
// bytes are not such a book.
std::expected<SheetCells, std::string> readXlsxCells(std::string_view bytes);

} // namespace tavolin::rename
