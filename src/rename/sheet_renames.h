#pragma once

#include "listing/file_sheet.h"
#include "rename/sheet_cells.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tavolin::rename {

// One row of a sheet that names a file and the name it is to get.
struct SheetRename
{
    std::size_t row = 0; // among the sheet's rows that are not blank, from 1, a header counted
    std::string current; // as the sheet writes it, or the bytes its hexadecimal column gives
    std::string renamed;
};

// The sheet of a folder's files to rename in a spreadsheet: each file's current name (and its
// bytes where the name is not UTF-8 or holds a control character, such as a line end, that a
// spreadsheet may change) and its planned name, with what was read of it. Read back
// through renamesOfSheet, it names each file as it is named here.
listing::FileSheet renameSheet(std::span<const std::string> current,
                               std::span<const std::string> planned,
                               std::span<const services::FileFacts> facts);

// What a sheet asks for. Its first row is a header when a cell of it is a caption the program
// knows (現在の名前 and 新しい名前 as it writes them, and a few others); the header says which
// columns hold the current name, the new name and a name's bytes in hexadecimal. Without one
// the first column holds the current name and the second the new one. A sheet whose rows hold
// one cell each gives new names in row order instead, as a file of names does.
struct SheetRenames
{
    std::vector<SheetRename> renames;
    std::vector<std::string> newNamesInOrder; // only for a sheet of one column
};

SheetRenames renamesOfSheet(const SheetCells &cells);

// Why a row of a sheet was not applied.
enum class SheetRefusal {
    NotInFolder, // no file of the folder has that current name
    NamedTwice,  // another row gives the same file another new name
    NoNewName,   // the new name is empty
};

struct RefusedRow
{
    SheetRename rename;
    SheetRefusal why = SheetRefusal::NotInFolder;
};

// The planned names after a sheet: each file the sheet names by its current name, exactly, gets
// the new name of its rows; the others keep `planned`. The rows applied and those refused.
struct SheetMatch
{
    std::vector<std::string> planned;
    std::size_t applied = 0;
    std::vector<RefusedRow> refused;
};

SheetMatch matchSheet(std::span<const std::string> current,
                      std::vector<std::string> planned,
                      std::span<const SheetRename> renames);

} // namespace tavolin::rename
