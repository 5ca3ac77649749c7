// The main window with other programs: CSV and Excel books for spreadsheets, text on the
// clipboard, folders dropped from the file manager.
#include "mainwindow/frm_main.h"

#include "listing/csv_listing.h"
#include "listing/xlsx_listing.h"
#include "shared/fs_error_text.h"
#include "shared/sheet_choice.h"
#include "shared/start_request.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

namespace tavolin::mainwindow {

namespace {

const services::FileDialogSettings kExportDialog{
        "Title.csv", "CSVで保存", std::string(shared::kSheetFileTypes)};
constexpr std::string_view kExportingCsv = "CSVを書き出しています";
constexpr std::string_view kExportingBook = "Excelブックを書き出しています";

} // namespace

void FrmMain::cmdExport_Click()
{
    const auto choice = m_services.dialogs.askSaveFileName(kExportDialog);
    if (!choice)
        return;
    const bool book = shared::savesExcelBook(*choice);
    services::FsResult<std::string> bytes;
    {
        const auto work = working(book ? kExportingBook : kExportingCsv);
        std::vector<std::string> names;
        std::vector<services::FileFacts> facts;
        std::size_t total = 0;
        for (const auto &scan : m_shownScans)
            total += scan->count();
        // Sizes and times as they are now: a file may have changed since its scan.
        for (const auto &scan : m_shownScans) {
            const std::size_t before = names.size();
            std::vector<std::string> scanned = scan->names();
            const auto read = m_services.fs.fileFacts(
                    {style(), scan->folder()}, scanned, [&](std::size_t done) {
                        return m_services.progress.advance(before + done, total);
                    });
            if (!read) // stopped
                return;
            std::ranges::move(scanned, std::back_inserter(names));
            facts.insert(facts.end(), read->begin(), read->end());
        }
        bytes = book ? listing::xlsxListing(names, facts) : listing::csvListing(names, facts);
    }
    // Through the safe save: a file that was there stays whole should anything fail.
    const auto written = bytes ? m_services.textFiles.writeBytes(choice->path, *bytes)
                               : services::FsResult<void>(std::unexpected(bytes.error()));
    if (!written)
        m_services.dialogs.showMessage(
                shared::describeUnsavedListing(choice->path, written.error()));
}

void FrmMain::folderDropped(std::string_view path)
{
    const auto folder
            = shared::resolveFolder(m_services.fs, m_services.process.currentFolder(), path);
    if (folder)
        openHandedFolder(*folder);
    else
        m_services.dialogs.showMessage(folder.error());
}

void FrmMain::cmdCopy_Click()
{
    std::string text(txtM.text());
    // Lines end in LF on the desktop's clipboard.
    std::erase(text, '\r');
    m_services.clipboard.setText(text);
}

} // namespace tavolin::mainwindow
