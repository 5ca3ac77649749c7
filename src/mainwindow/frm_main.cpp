#include "mainwindow/frm_main.h"

#include "listing/listing_lines.h"
#include "mainwindow/listing_file.h"
#include "shared/fs_error_text.h"
#include "shared/progress_texts.h"
#include "shared/start_folder.h"

#include <algorithm>
#include <malloc.h>
#include <string>
#include <utility>

namespace tavolin::mainwindow {

using services::MessageButtons;
using services::MessageIcon;

namespace {

constexpr std::string_view kAlreadyRunning = "すでに立ち上がってます";
constexpr std::string_view kDriveNotReady = "準備が出来てないドライブだよ";
constexpr std::string_view kNothingToSave = "保存するデータがないよ";
constexpr std::string_view kCountCaption = "ファイル数 = ";

const services::FileDialogSettings kSaveDialog{
        "Title.txt", "ファイル名を保存", "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*"};

} // namespace

FrmMain::FrmMain(Module1 &module,
                 const services::Services &services,
                 controls::Background *background)
    : m_module(module)
    , m_services(services)
    , Drive1(services.drives, services.process.currentFolder())
    , Dir1(services.fs, services.process.currentFolder(), background)
    , File1(services.fs, background)
    // A folder that does not open leaves the drive list on the drive picked.
    , m_folderLink(Drive1,
                   Dir1,
                   shared::showUnopenableFolder(services.dialogs, kDriveNotReady),
                   /*backOnFailure=*/false)
{
    Dir1.changed.connect([this] { Dir1_Change(); });
    Text1.changed.connect([this] { Text1_Change(); });
    txtM.changed.connect([this] { txtM_Change(); });
    cmdStart.clicked.connect([this] { cmdStart_Click(); });
    for (int index : {0, 1})
        Command2[index].clicked.connect([this, index] { Command2_Click(index); });
    Command1.clicked.connect([this] { Command1_Click(); });
    Command4.clicked.connect([this] { Command4_Click(); });
    cmdEnd.clicked.connect([this] { cmdEnd_Click(); });
    cmdRename.clicked.connect([this] { cmdRename_Click(); });
    cmdHistory.clicked.connect([this] { cmdHistory_Click(); });
    cmdExport.clicked.connect([this] { cmdExport_Click(); });
    cmdCopy.clicked.connect([this] { cmdCopy_Click(); });
    cboOrder.clicked.connect([this] { cboOrder_Click(); });
    m_orderFollowed = module.fileOrder.changed.connectScoped([this] { fileOrderChanged(); });
    fileOrderChanged();
}

bool FrmMain::Form_Load()
{
    if (m_services.process.anotherInstanceRunning()) {
        m_services.dialogs.showMessage(kAlreadyRunning,
                                       services::kProgramName,
                                       MessageButtons::Ok,
                                       MessageIcon::Exclamation);
        return false;
    }
    // The file list starts on the folder list's folder, as the lists do when a window opens.
    File1.setPath(Dir1.path());

    const std::string startFolder = shared::startFolder(m_services.process, style());
    Drive1.setDrive(startFolder);
    // Should that folder not open, the window starts on the current folder instead.
    (void)Dir1.setPath(startFolder);
    m_history.resetRecording();
    Text1.setText(Dir1.folder().field());
    Label1.setCaption(std::string(kCountCaption));
    Command1.setEnabled(false);
    return true;
}

void FrmMain::Dir1_Change()
{
    Text1.setText(Dir1.folder().field());
    File1.setPath(Dir1.path());
}

void FrmMain::Text1_Change()
{
    // The folder list decides, not the path field: the chooser may write another folder there.
    if (style().isDriveRoot(Dir1.path())) {
        Check5.setEnabled(false);
        Check5.setTicked(false);
    } else {
        Check5.setEnabled(true);
    }
}

void FrmMain::txtM_Change()
{
    if (!txtM.text().empty()) {
        Command1.setEnabled(true);
    } else {
        Command1.setEnabled(false);
        m_fileCount = 0;
        showFileCount();
        m_shownScans.clear(); // no listing, no scans: the scans change only with its text
    }
    showExports();
    Label2.setCaption(std::to_string(m_history.position()));
}

void FrmMain::cmdStart_Click()
{
    controls::BusyPointer busy(window);
    // Read the folder before touching the listing, so that a folder that cannot be read, or a
    // scan the user stops, leaves the listing and its history as they were.
    const bool keep = Check1.marked();
    const auto scan = [&] {
        const auto work = working(shared::kScanningProgress);
        return listing::scanFolder(m_services.fs,
                                   Text1.text(),
                                   keep ? m_fileCount : 0,
                                   listingOptions(),
                                   m_module.fileOrder.value(),
                                   &m_services.progress);
    }();
    // The heap keeps what the read freed for later use unless told; a million names leave tens
    // of megabytes there, which a listing kept beside four others cannot spare.
    malloc_trim(0);
    if (scan && scan->end() == services::WorkEnd::Stopped)
        return;
    m_module.strMainPath = Dir1.path();
    if (!scan) {
        m_services.dialogs.showMessage(
                shared::describeUnreadableFolder(Text1.text(), scan.error()));
        return;
    }

    if (!keep) {
        txtM.setText({});
        m_fileCount = 0;
    }
    Text2.setText(scan->namesFound() > 0 ? "True" : "False");
    m_shownScans.push_back(scan->files());
    m_module.lngNumBase = m_fileCount;
    // The lines go into the listing as one change; the listing's change handling sees the same
    // result as for one line at a time.
    const bool afterText = !txtM.text().empty();
    txtM.appendPieces([&](const auto &put) { scan->writeLines(afterText, put); });
    m_fileCount += scan->namesFound();
    showFileCount();

    // The history keeps the listing box's own text, not a copy of it.
    m_history.record(txtM.keep(), m_fileCount, std::string(Text1.text()), m_shownScans);
    Command2[0].setEnabled(m_history.backEnabled());
    Command2[1].setEnabled(m_history.forwardEnabled());
}

void FrmMain::Command2_Click(int index)
{
    if (index == 0)
        m_history.pageBack();
    else
        m_history.pageForward();
    Command2[0].setEnabled(m_history.backEnabled());
    Command2[1].setEnabled(m_history.forwardEnabled());
    showHistoryRow();
}

void FrmMain::showHistoryRow()
{
    const listing::HistoryRow row = m_history.current();
    m_shownScans = row.scans;
    // Paging through the listings of appended scans changes only the end of the text.
    txtM.setKeptText(row.text);
    m_fileCount = row.fileCount;
    // Only a tick follows the folder: a grayed box does not.
    if (Check6.value() == controls::CheckValue::Ticked)
        followHistoryFolder(row.pathField);
    showFileCount();
}

void FrmMain::followHistoryFolder(const std::string &pathField)
{
    if (pathField.empty())
        return;
    Drive1.setDrive(pathField);
    // The file list follows the folder list by itself.
    (void)m_folderLink.open(pathField);
}

void FrmMain::Command1_Click()
{
    if (txtM.text().empty()) {
        m_services.dialogs.showMessage(kNothingToSave);
        return;
    }
    const auto path = m_services.dialogs.askSaveFileName(kSaveDialog);
    if (!path)
        return;
    const auto bytes = listingFileBytes(std::string(txtM.text()) + std::string(listing::kLineEnd),
                                        m_services.dialogs);
    if (!bytes)
        return;
    // A file that cannot be written is left as it was; the user must know the listing is not
    // on disk, and it stays in the window to be saved elsewhere.
    if (auto written = m_services.textFiles.writeBytes(path->path, *bytes); !written)
        m_services.dialogs.showMessage(shared::describeUnsavedListing(path->path, written.error()));
}

void FrmMain::Command4_Click()
{
    txtM.setText({});
    Label1.setCaption(std::string(kCountCaption));
}

void FrmMain::cmdEnd_Click()
{
    m_services.process.exitNow();
}

void FrmMain::cmdRename_Click()
{
    renameWindowRequested.emit();
}

void FrmMain::cmdHistory_Click()
{
    historyRequested.emit();
}

void FrmMain::cboOrder_Click()
{
    m_module.fileOrder.set(shared::orderOfItem(cboOrder.selectedIndex()));
}

void FrmMain::fileOrderChanged()
{
    cboOrder.setSelectedIndex(shared::itemOfOrder(m_module.fileOrder.value()));
    File1.setOrder(m_module.fileOrder.value());
}

void FrmMain::openFolder(std::string_view path)
{
    (void)m_folderLink.open(path);
}

void FrmMain::openHandedFolder(std::string_view path)
{
    if (m_folderLink.open(path))
        m_handedFolder = true;
}

std::optional<std::string> FrmMain::renameWindowFolder() const
{
    if (!m_handedFolder)
        return std::nullopt;
    return std::string(Text1.text());
}

listing::ListingOptions FrmMain::listingOptions() const
{
    // A grayed option lists as a ticked one.
    return {Check2.marked(), Check3.marked(), Check4.marked(), Check5.marked()};
}

void FrmMain::showExports()
{
    cmdCopy.setEnabled(!txtM.text().empty());
    cmdExport.setEnabled(!txtM.text().empty()
                         && std::ranges::any_of(
                                 m_shownScans, [](const auto &scan) { return scan->count() > 0; }));
}

void FrmMain::showFileCount()
{
    Label1.setCaption(std::string(kCountCaption) + std::to_string(m_fileCount));
}

} // namespace tavolin::mainwindow
