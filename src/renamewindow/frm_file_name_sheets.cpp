// The rename window with spreadsheets: the files' current and planned names saved as a sheet,
// and new names read back from a sheet or from cells copied to the clipboard.
#include "renamewindow/frm_file_name.h"

#include "listing/split_extension.h"
#include "rename/sheet_renames.h"
#include "rename/xlsx_cells.h"
#include "renamewindow/names_file_lines.h"
#include "renamewindow/names_file_reports.h"
#include "renamewindow/planned_rows.h"
#include "renamewindow/rename_reports.h"
#include "renamewindow/save_sheet.h"
#include "renamewindow/sheet_reports.h"
#include "shared/fs_error_text.h"
#include "shared/sheet_choice.h"

namespace tavolin::renamewindow {

namespace {

const services::FileDialogSettings kSheetOutDialog{
        "一覧.xlsx", "一覧を保存", std::string(shared::kSheetFileTypes)};
const services::FileDialogSettings kSheetInDialog{
        "",
        "一覧から読込",
        "一覧 (*.xlsx;*.csv;*.tsv;*.txt)|*.xlsx;*.csv;*.tsv;*.txt|すべてのﾌｧｲﾙ (*.*)|*.*"};
constexpr std::string_view kScanFirst = "取得してからにして下さい";
constexpr std::string_view kWritingSheet = "一覧を書き出しています";
constexpr std::string_view kReadingSheet = "一覧を読み込んでいます";
constexpr std::size_t kSheetSteps = 4; // read, cells, matched, marked
constexpr std::string_view kNoCells = "クリップボードに名前がありません";
// A sheet of a hundred thousand files is a few megabytes; a file far larger is not one.
constexpr std::size_t kMaxSheetBytes = std::size_t{256} << 20;
constexpr std::string_view kZipStart = "PK\x03\x04";

} // namespace

std::vector<std::string> FrmFileName::plannedFullNames() const
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(List1.count()));
    for (int row = 0; row < List1.count(); ++row)
        names.push_back(List2[0].text(row) + List2[1].text(row));
    return names;
}

bool FrmFileName::filesListedOrSay()
{
    if (List1.count() == 0)
        m_services.dialogs.showMessage(kScanFirst);
    return List1.count() > 0;
}

void FrmFileName::cmdSheetOut_Click()
{
    if (!filesListedOrSay())
        return;
    const auto choice = m_services.dialogs.askSaveFileName(kSheetOutDialog);
    if (!choice)
        return;
    controls::BusyPointer busy(window);
    services::FsResult<void> saved;
    {
        const auto work = working(kWritingSheet);
        const std::vector<std::string> current = List1.rows();
        // Sizes and times as they are now, to tell the files apart in the sheet.
        const auto facts = m_services.fs.fileFacts(scannedFolder(), current, [&](std::size_t done) {
            return m_services.progress.advance(done, current.size());
        });
        if (!facts) // stopped
            return;
        saved = saveSheet(m_services.textFiles,
                          *choice,
                          rename::renameSheet(current, plannedFullNames(), *facts));
    }
    if (!saved)
        m_services.dialogs.showMessage(shared::describeUnsavedListing(choice->path, saved.error()));
}

void FrmFileName::cmdSheetIn_Click()
{
    if (!filesListedOrSay())
        return;
    const auto path = m_services.dialogs.askOpenFileName(kSheetInDialog);
    if (!path)
        return;
    controls::BusyPointer busy(window);
    std::string said;
    {
        const auto work = working(kReadingSheet);
        said = [&]() -> std::string {
            const auto bytes = m_services.textFiles.readBytes(*path, kMaxSheetBytes);
            if (!bytes)
                return describeUnreadableNames(*path, bytes.error());
            if (!m_services.progress.advance(0, kSheetSteps))
                return {};
            const auto cells = bytes->starts_with(kZipStart) ? rename::readXlsxCells(*bytes)
                                                             : rename::readDelimitedCells(*bytes);
            if (!cells)
                return cells.error();
            return applySheet(rename::renamesOfSheet(*cells));
        }();
    }
    if (!said.empty())
        m_services.dialogs.showMessage(said);
}

void FrmFileName::cmdPasteSheet_Click()
{
    if (!filesListedOrSay())
        return;
    controls::BusyPointer busy(window);
    std::string said;
    {
        const auto work = working(kReadingSheet);
        // Spreadsheets copy cells as lines of cells separated by tabs.
        const rename::SheetCells cells
                = rename::readDelimitedCells(m_services.clipboard.text(), '\t');
        said = cells.empty() ? std::string(kNoCells) : applySheet(rename::renamesOfSheet(cells));
    }
    if (!said.empty())
        m_services.dialogs.showMessage(said);
}

std::string FrmFileName::applySheet(const rename::SheetRenames &sheet)
{
    // Between the steps the window answers, and a stop before the names change leaves them.
    if (!m_services.progress.advance(1, kSheetSteps))
        return {};
    const std::vector<std::string> current = List1.rows();
    const std::vector<std::string> before = plannedFullNames();
    if (!sheet.newNamesInOrder.empty()) {
        // One column: planned base names in the order of the files, as from a file of names;
        // files beyond its last row keep theirs.
        std::vector<std::string> bases = List2[0].rows();
        std::vector<std::string> names = sheet.newNamesInOrder;
        names.resize(std::min(names.size(), bases.size()));
        keepUndecodedNames(names, current);
        std::ranges::move(names, bases.begin());
        List2[0].assign(std::move(bases));
        const std::size_t refused = markPlannedChanges(before);
        return refused > 0 ? sheetRefusedRowsReport(refused) : std::string();
    }
    const rename::SheetMatch match = rename::matchSheet(current, before, sheet.renames);
    if (!m_services.progress.advance(2, kSheetSteps))
        return {};
    // Only the rows the sheet renamed are split again: the others keep their columns as they are.
    std::vector<std::string> bases = List2[0].rows(), extensions = List2[1].rows();
    for (std::size_t row = 0; row < before.size(); ++row) {
        if (match.planned[row] == before[row])
            continue;
        listing::NameParts parts = listing::SplitExtension(match.planned[row]);
        bases[row] = std::move(parts.base);
        extensions[row] = std::move(parts.extension);
    }
    List2[0].assign(std::move(bases));
    List2[1].assign(std::move(extensions));
    return sheetAppliedReport(match, markPlannedChanges(before));
}

std::size_t FrmFileName::markPlannedChanges(const std::vector<std::string> &before)
{
    (void)m_services.progress.advance(3, kSheetSteps); // the names are in: no stop now
    const std::vector<std::string> after = plannedFullNames();
    std::vector<bool> changed(after.size());
    for (std::size_t row = 0; row < after.size(); ++row)
        changed[row] = row >= before.size() || after[row] != before[row];
    List2[0].setChangedRows(changed);
    List2[1].setChangedRows(std::move(changed));
    const std::vector<rename::RowProblem> problems = rename::findRenameProblems(
            m_services.fs,
            scannedFolder().path(),
            plannedRows(List1.rows(), List2[0].rows(), List2[1].rows()));
    markProblems(rowProblemMarks(problems));
    return problems.size();
}

} // namespace tavolin::renamewindow
