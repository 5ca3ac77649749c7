#include "rename/sheet_renames.h"

#include "listing/exported_files.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace tavolin::rename {

namespace {

constexpr std::string_view kCurrentCaption = "現在の名前";
constexpr std::string_view kNewCaption = "新しい名前";
constexpr std::array<std::string_view, 5> kCurrentCaptions{
        kCurrentCaption, "元の名前", "変更前", "old name", "current name"};
constexpr std::array<std::string_view, 4> kNewCaptions{
        kNewCaption, "変更後", "new name", "新しいファイル名"};
constexpr std::string_view kBytesCaption = listing::kExportedColumns[5];

// Which columns hold what; npos where none does.
struct Columns
{
    std::size_t current = 0;
    std::size_t renamed = 1;
    std::size_t bytes = std::string::npos;
};

std::optional<Columns> headerColumns(const std::vector<std::string> &row)
{
    Columns columns{std::string::npos, std::string::npos, std::string::npos};
    for (std::size_t i = 0; i < row.size(); ++i) {
        if (std::ranges::find(kCurrentCaptions, row[i]) != kCurrentCaptions.end())
            columns.current = i;
        else if (std::ranges::find(kNewCaptions, row[i]) != kNewCaptions.end())
            columns.renamed = i;
        else if (row[i] == kBytesCaption)
            columns.bytes = i;
    }
    if (columns.current == std::string::npos && columns.renamed == std::string::npos)
        return std::nullopt;
    return columns;
}

const std::string &cellAt(const std::vector<std::string> &row, std::size_t column)
{
    static const std::string none;
    return column < row.size() ? row[column] : none;
}

} // namespace

listing::FileSheet renameSheet(std::span<const std::string> current,
                               std::span<const std::string> planned,
                               std::span<const services::FileFacts> facts)
{
    return {.texts = {{kCurrentCaption}, {kNewCaption}},
            .rows = current.size(),
            .row = [current, planned, facts](std::size_t at) {
                const services::FileFacts read
                        = at < facts.size() ? facts[at] : services::FileFacts{};
                listing::ExportedFile file = listing::exportedFile(current[at], read);
                // Spreadsheets keep a line end in a cell only as LF: a name with a control
                // character is matched back by its bytes too.
                if (std::ranges::any_of(current[at], [](char c) { return c >= 0 && c < ' '; }))
                    file.nameBytes = listing::hexBytes(current[at]);
                return listing::FileSheetRow{
                        {std::move(file.name), listing::exportedFile(planned[at], read).name},
                        read,
                        std::move(file.nameBytes)};
            }};
}

SheetRenames renamesOfSheet(const SheetCells &cells)
{
    SheetRenames sheet;
    const std::optional<Columns> header = cells.empty() ? std::nullopt : headerColumns(cells[0]);
    const Columns columns = header.value_or(Columns{});
    const std::size_t first = header ? 1 : 0;
    const bool oneColumn
            = std::ranges::all_of(cells, [](const auto &row) { return row.size() < 2; });
    for (std::size_t row = first; row < cells.size(); ++row) {
        if (oneColumn) {
            sheet.newNamesInOrder.push_back(cellAt(cells[row], 0));
            continue;
        }
        SheetRename rename{
                row + 1, cellAt(cells[row], columns.current), cellAt(cells[row], columns.renamed)};
        if (const std::string &hex = cellAt(cells[row], columns.bytes); !hex.empty())
            rename.current = listing::bytesOfHex(hex).value_or(rename.current);
        sheet.renames.push_back(std::move(rename));
    }
    return sheet;
}

SheetMatch matchSheet(std::span<const std::string> current,
                      std::vector<std::string> planned,
                      std::span<const SheetRename> renames)
{
    // Each name the folder or the sheet holds: its file, and the new name its first row gives it
    // or that another row gives it another.
    struct Named
    {
        std::size_t file = std::string::npos;
        const std::string *renamed = nullptr;
        bool twice = false;
    };
    std::unordered_map<std::string_view, Named> names;
    names.reserve(current.size() + renames.size());
    for (std::size_t file = 0; file < current.size(); ++file)
        names[current[file]].file = file;
    for (const SheetRename &rename : renames) {
        Named &named = names[rename.current];
        named.twice |= named.renamed && *named.renamed != rename.renamed;
        named.renamed = named.renamed ? named.renamed : &rename.renamed;
    }
    SheetMatch match;
    for (const SheetRename &rename : renames) {
        const Named &named = names.find(rename.current)->second;
        std::optional<SheetRefusal> why;
        if (named.file == std::string::npos)
            why = SheetRefusal::NotInFolder;
        else if (named.twice)
            why = SheetRefusal::NamedTwice;
        else if (rename.renamed.empty())
            why = SheetRefusal::NoNewName;
        if (why) {
            match.refused.push_back({rename, *why});
        } else {
            planned[named.file] = rename.renamed;
            ++match.applied;
        }
    }
    match.planned = std::move(planned);
    return match;
}

} // namespace tavolin::rename
