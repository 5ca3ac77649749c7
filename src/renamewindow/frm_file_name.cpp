#include "renamewindow/frm_file_name.h"

#include "shared/start_folder.h"

#include "rename/batch_history.h"
#include "rename/numbered_names.h"
#include "rename/rename_scan.h"
#include "renamewindow/folder_field.h"
#include "renamewindow/names_file_lines.h"
#include "renamewindow/names_file_reports.h"
#include "shared/fs_error_text.h"
#include "shared/progress_texts.h"

namespace tavolin::renamewindow {

namespace {

constexpr std::string_view kPanelClosed = "拡張子変換>>";
constexpr std::string_view kPanelOpen = "拡張子変換<<";
constexpr std::string_view kScanFirst = "取得してからにして下さい";
constexpr std::string_view kScanFirstTitle = "Textから取得";
const services::FileDialogSettings kReadNamesDialog{
        "", "Textから読込み", "Textﾌｧｲﾙ (.txt)|*.txt|すべてのﾌｧｲﾙ (*.*)|*.*"};
constexpr std::string_view kReadingNames = "Textから読み込んでいます";

} // namespace

FrmFileName::FrmFileName(Module1 &module, const services::Services &services)
    : m_module(module)
    , m_services(services)
{
    cmdStart.clicked.connect([this] { cmdStart_Click(); });
    Command2.clicked.connect([this] { Command2_Click(); });
    Command1.clicked.connect([this] { Command1_Click(); });
    Check1.clicked.connect([this] { Check1_Click(); });
    List1.clicked.connect([this] { List1_Click(); });
    List2[0].clicked.connect([this] { List2_Click(0); });
    List2[1].clicked.connect([this] { List2_Click(1); });
    Text3.changed.connect([this] { Text3_Change(); });
    Option1[0].clicked.connect([this] { Option1[1].setValue(false); });
    Option1[1].clicked.connect([this] { Option1[0].setValue(false); });
    cmdDialog.clicked.connect([this] { cmdDialog_Click(); });
    cmdEnd.clicked.connect([this] { cmdEnd_Click(); });
    Command3.clicked.connect([this] { Command3_Click(); });
    List3[0].clicked.connect([this] { List3_Click(0); });
    List3[1].clicked.connect([this] { List3_Click(1); });
    Command4.clicked.connect([this] { Command4_Click(); });
    Command5.clicked.connect([this] { Command5_Click(); });
    Command6.clicked.connect([this] { Command6_Click(); });
    cmdSheetOut.clicked.connect([this] { cmdSheetOut_Click(); });
    cmdSheetIn.clicked.connect([this] { cmdSheetIn_Click(); });
    cmdPasteSheet.clicked.connect([this] { cmdPasteSheet_Click(); });
    cmdUndo.clicked.connect([this] { cmdUndo_Click(); });
    cmdRules.clicked.connect([this] { cmdRules_Click(); });
    cmdHistory.clicked.connect([this] { cmdHistory_Click(); });
    rules.closed.connect([this] { releaseForRules(); });
    // The rows marked with a problem or as changed stay marked until the planned names change.
    for (controls::ListBox *planned : {&List2[0], &List2[1]}) {
        planned->reset.connect([this] { clearMarks(); });
        planned->rowChanged.connect([this](int) { clearMarks(); });
    }
    cboOrder.clicked.connect([this] { cboOrder_Click(); });
    const auto showOrder = [this] {
        cboOrder.setSelectedIndex(shared::itemOfOrder(m_module.fileOrder.value()));
    };
    m_orderFollowed = module.fileOrder.changed.connectScoped(showOrder);
    showOrder();
    // Every handler that works long shows the busy pointer from its start to its end, reports
    // included, so the pointer coming back is the first moment the window may close.
    m_idleClose = window.pointerChanged.connectScoped([this] {
        if (m_closeWhenIdle && window.pointer() == controls::MousePointer::Default) {
            m_closeWhenIdle = false;
            window.close();
        }
    });
}

void FrmFileName::Form_Load(const std::optional<std::string> &folder)
{
    // One separator is appended to the start folder whatever it is: at the root the field ends
    // in two.
    Text1.setText(folder.value_or(shared::startFolder(m_services.process, style())
                                  + style().separator()));
    Command5.setVisible(false);
    // A folder typed or put into the field since is read by Enter.
    Text1.changed.connect([this] { makeDefault(cmdStart); });
}

void FrmFileName::cmdStart_Click()
{
    controls::BusyPointer busy(window);
    const auto problem = folderFieldProblem(Text1.text(), m_services.fs);
    std::optional<services::FsResult<rename::RenameScan>> scan;
    if (!problem) {
        const auto work = working(shared::kScanningProgress);
        scan = rename::scanForRenaming(
                m_services.fs, Text1.text(), m_module.fileOrder.value(), &m_services.progress);
        if (*scan && (*scan)->end == services::WorkEnd::Stopped) // the lists stay as they were
            return;
    }
    m_module.flgFileName = ChooserServes::RenameWindow;
    m_module.strRenamePath = Text1.text();
    m_scannedPattern = Text1.text();
    cmdUndo.setEnabled(false);
    List1.clear();
    List2[0].clear();
    List2[1].clear();
    List3[0].clear();
    List3[1].clear();
    Text3.setText({});
    Text4.setText({});
    lblStatus.setCaption({});

    if (problem) {
        Text2.setText("False");
        m_services.dialogs.showMessage(*problem);
        return;
    }
    if (!*scan) {
        Text2.setText("False");
        m_services.dialogs.showMessage(
                shared::describeUnreadableFolder(Text1.text(), scan->error()));
        return;
    }
    rename::RenameScan &found = **scan;
    Text2.setText(found.namesFound > 0 ? "True" : "False");
    Label1.setCaption(std::string(kCountCaption) + std::to_string(found.namesFound));
    List1.assign(std::move(found.names));
    List2[0].assign(std::move(found.bases));
    List2[1].assign(std::move(found.extensions));
    List3[0].assign(found.distinctExtensions);
    List3[1].assign(std::move(found.distinctExtensions));
    cmdUndo.setEnabled(
            rename::lastUndoableBatch(m_services.journals, scannedFolder().path()).has_value());
}

void FrmFileName::Command2_Click()
{
    // Only a tick numbers; a grayed box shows the numbering's options (Check1_Click) but edits
    // the one name selected.
    if (Check1.value() == controls::CheckValue::Ticked) {
        const auto position
                = Option1[0].value() ? rename::NumberPosition::Head : rename::NumberPosition::End;
        List2[0].assign(rename::MakeNumberedNames(List1.count(), Text3.text(), position));
    } else if (List2[0].selectedRow() >= 0 && !List2[0].selectedText().empty()
               && !Text3.text().empty()) {
        List2[0].replace(m_module.intNameRow, std::string(Text3.text()));
    }
    m_module.flgFileName = ChooserServes::RenameWindow;
}

void FrmFileName::cboOrder_Click()
{
    m_module.fileOrder.set(shared::orderOfItem(cboOrder.selectedIndex()));
}

void FrmFileName::Check1_Click()
{
    const bool numbering = Check1.marked();
    Frame1.setEnabled(numbering);
    Option1[0].setEnabled(numbering);
    Option1[1].setEnabled(numbering);
}

void FrmFileName::List1_Click()
{
    List2[0].setSelectedRow(List1.selectedRow());
    List2[1].setSelectedRow(List1.selectedRow());
    m_module.flgFileName = ChooserServes::RenameWindow;
}

void FrmFileName::List2_Click(int index)
{
    if (index == 0) {
        if (!List2[0].selectedText().empty()) {
            const int row = List2[0].selectedRow();
            Text3.setText(List2[0].selectedText());
            Text3.setFocus();
            makeDefault(Command2);
            m_module.intNameRow = row;
            List1.setSelectedRow(row);
            List2[1].setSelectedRow(row);
        } else {
            makeDefault(cmdStart);
        }
    } else {
        const int row = List2[1].selectedRow();
        List1.setSelectedRow(row);
        List2[0].setSelectedRow(row);
    }
    m_module.flgFileName = ChooserServes::RenameWindow;
}

void FrmFileName::Text3_Change()
{
    Command2.setEnabled(Text3.text() != List1.selectedText());
}

void FrmFileName::cmdDialog_Click()
{
    m_module.flgFileName = ChooserServes::RenameWindow;
    folderChooserRequested.emit();
}

void FrmFileName::cmdEnd_Click()
{
    m_module.flgFileName = ChooserServes::MainWindow;
    window.close();
}

bool FrmFileName::Form_QueryUnload()
{
    if (window.pointer() == controls::MousePointer::Default) {
        rules.Form_QueryUnload(); // the names tried out there go with the window
        return true;
    }
    m_closeWhenIdle = true;
    m_services.progress.askToStop();
    return false;
}

void FrmFileName::Form_Click()
{
    m_module.flgFileName = ChooserServes::RenameWindow;
}

void FrmFileName::Command3_Click()
{
    const bool open = Command3.caption() == kPanelClosed;
    Command3.setCaption(std::string(open ? kPanelOpen : kPanelClosed));
    window.setWidthTwips(open ? kWideWidth : kNarrowWidth);
    Command5.setVisible(open);
}

void FrmFileName::Command6_Click()
{
    if (List1.count() == 0) {
        m_services.dialogs.showMessage(kScanFirst, kScanFirstTitle);
        return;
    }
    const auto path = m_services.dialogs.askOpenFileName(kReadNamesDialog);
    if (!path)
        return;
    controls::BusyPointer busy(window);

    // One planned base name per line, in the order of the files; of the lines beyond the last
    // file only the first is read, to say that there are more, so a huge file costs nothing.
    const std::size_t wanted = static_cast<std::size_t>(List1.count());
    std::vector<std::string> names;
    bool stopped = false;
    bool more = false;
    services::FsResult<services::TextFiles::LinesRead> read;
    {
        const auto work = working(kReadingNames);
        read = m_services.textFiles.readLines(*path, [&](std::string_view line) {
            more = names.size() == wanted;
            stopped = !more && !m_services.progress.advance(names.size(), wanted);
            if (!stopped && !more)
                names.emplace_back(line);
            return !stopped && !more;
        });
    }
    // A file that cannot be opened, or whose reading the user stopped, leaves the planned
    // names as they were; one that breaks off part-way leaves the lines read so far.
    if (!read) {
        m_services.dialogs.showMessage(describeUnreadableNames(*path, read.error()));
        return;
    }
    if (stopped)
        return;
    const std::size_t got = names.size();
    keepUndecodedNames(names, List1.rows());
    List2[0].assign(std::move(names));
    const bool brokeOff = read->end == services::TextFiles::ReadEnd::BrokeOff;
    lblStatus.setCaption(namesReadCaption({read->encoding, got, wanted, more, brokeOff}));
    if (brokeOff)
        m_services.dialogs.showMessage(brokenOffNamesReport(*path, read->error, got));
}

} // namespace tavolin::renamewindow
