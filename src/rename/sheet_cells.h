#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// The rows of a sheet as cells of text, the blank rows left out.
using SheetCells = std::vector<std::vector<std::string>>;

// The cells of a sheet saved as delimited text, as a spreadsheet program saves it: code page 932
// or UTF-8 (with or without a byte-order mark), decided as for a file of names; cells split by
// commas, semicolons or tabs (what an Excel "sep=" first line names, else what the first row
// holds most of, a tab above all); cells in double quotes may hold the separator, line ends and
// doubled quotes. A cell keeps its spaces. Nothing here fails: what cannot be read becomes
// U+FFFD, and a quote left open runs to the end. A `separator` given is used whatever the first
// row holds, as for cells copied to the clipboard, which are always separated by tabs.
SheetCells readDelimitedCells(std::string_view bytes, std::optional<char> separator = std::nullopt);

} // namespace tavolin::rename
