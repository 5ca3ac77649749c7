// The main window with other programs: CSV for spreadsheets, text on the clipboard, folders
// dropped from the file manager.
#include "mainwindow/frm_main.h"

#include "listing/csv_listing.h"
#include "shared/fs_error_text.h"
#include "shared/start_request.h"

#include <string>
#include <vector>

namespace tavolin::mainwindow {

namespace {

const services::FileDialogSettings kExportDialog{
        "Title.csv", "CSVで保存", "CSVﾌｧｲﾙ (.csv)|*.csv|すべてのﾌｧｲﾙ (*.*)|*.*"};
constexpr std::string_view kExporting = "CSVを書き出しています";

} // namespace

void FrmMain::cmdExport_Click()
{
    const auto path = m_services.dialogs.askSaveFileName(kExportDialog);
    if (!path)
        return;
    std::vector<std::string> names;
    std::vector<services::FileFacts> facts;
    {
        const auto work = working(kExporting);
        std::size_t total = 0;
        for (const auto &scan : m_shownScans)
            total += scan->names.size();
        // Sizes and times as they are now: a file may have changed since its scan.
        for (const auto &scan : m_shownScans) {
            const std::size_t before = names.size();
            const auto read = m_services.fs.fileFacts(
                    {style(), scan->folder}, scan->names, [&](std::size_t done) {
                        return m_services.progress.advance(before + done, total);
                    });
            if (!read) // stopped
                return;
            names.insert(names.end(), scan->names.begin(), scan->names.end());
            facts.insert(facts.end(), read->begin(), read->end());
        }
    }
    if (auto written = m_services.textFiles.writeBytes(*path, listing::csvListing(names, facts));
        !written)
        m_services.dialogs.showMessage(shared::describeUnsavedListing(*path, written.error()));
}

void FrmMain::folderDropped(std::string_view path)
{
    const auto folder
            = shared::resolveFolder(m_services.fs, m_services.process.currentFolder(), path);
    if (folder)
        openFolder(*folder);
    else
        m_services.dialogs.showMessage(folder.error());
}

void FrmMain::cmdCopy_Click()
{
    std::string text = txtM.text();
    // Lines end in LF on the desktop's clipboard.
    std::erase(text, '\r');
    m_services.clipboard.setText(text);
}

} // namespace tavolin::mainwindow
