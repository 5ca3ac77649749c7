#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/folder_lists.h"
#include "controls/long_work.h"
#include "controls/window_state.h"
#include "listing/listing_history.h"
#include "listing/listing_scan.h"
#include "services/services.h"
#include "shared/file_order_choice.h"
#include "shared/module1.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tavolin::mainwindow {

// The main window: picks a folder, lists its file names as text, pages the listing history,
// saves and clears the listing. Holds every control's state and runs every handler; the view
// only shows the controls and forwards what the user does.
class FrmMain
{
public:
    // With a Background, the folder list and the file list read the folder there, so that the
    // window answers while a big folder is read.
    FrmMain(Module1 &module,
            const services::Services &services,
            controls::Background *background = nullptr);
    FrmMain(const FrmMain &) = delete;
    FrmMain &operator=(const FrmMain &) = delete;

    // Runs before the window is shown. Returns false when another copy of the program runs:
    // the user has been told, and the window must never be shown.
    bool Form_Load();

    void Dir1_Change();
    void Text1_Change();
    void txtM_Change();
    void cmdStart_Click();
    void Command2_Click(int index);
    void Command1_Click();
    void Command4_Click();
    void cmdEnd_Click();
    void cmdRename_Click();  // opens the rename window, or brings it to the front
    void cmdHistory_Click(); // opens the history of batches, or brings it to the front
    void cboOrder_Click();   // another order of files for the whole run
    // The files of the listing shown, with sizes and times, for spreadsheets.
    void cmdExport_Click();
    // The listing on the clipboard.
    void cmdCopy_Click();

    // Asks for the rename window to be shown.
    controls::Signal<> renameWindowRequested;
    // Asks for the history of batches to be shown.
    controls::Signal<> historyRequested;

    // The user opened a folder in the folder list. A folder that cannot be opened is reported
    // (as a drive that is not ready when its medium does not answer), and nothing changes.
    void openFolder(std::string_view path);
    // A folder handed to the program (named at its start or by a second start), opened in the
    // folder list as the user's is; from then on the rename window opens on this window's
    // folder.
    void openHandedFolder(std::string_view path);
    // A folder, or a file for its folder, dropped on the window: handed to the program, or why
    // it cannot be.
    void folderDropped(std::string_view path);
    // The folder the rename window opens on, as its path field holds it: this window's (the
    // path field's, which its 取得 lists) once the program was handed a folder, so that a
    // folder opened from the file manager is renamed where it is listed; none before, when the
    // rename window starts on the start folder as usual.
    std::optional<std::string> renameWindowFolder() const;

    std::int64_t lngFileCount() const { return m_fileCount; }
    const listing::ListingHistory &history() const { return m_history; }
    // Every control of the window by the name of its widget.
    controls::ControlTable controlTable();

private:
    Module1 &m_module;
    services::Services m_services;
    listing::ListingHistory m_history;
    std::int64_t m_fileCount = 0;
    bool m_handedFolder = false; // the program was handed a folder that opened here
    // The scans whose files the listing shown holds, for the export.
    listing::ListingScans m_shownScans;

public:
    controls::WindowState window;
    controls::DriveList Drive1;
    controls::FolderList Dir1;
    controls::FileList File1;
    controls::TextBox Text1; // the path field; read-only for the user
    controls::TextBox txtM;  // the listing
    controls::TextBox Text2{{}, /*visible=*/false};
    controls::Label Label1;
    controls::Label Label2;
    controls::CheckBox Check1{"今のﾘｽﾄを残す"};
    controls::CheckBox Check2{"番号付(1 ﾌｧｲﾙ名)"};
    controls::CheckBox Check3{"拡張子を付ける"};
    controls::CheckBox Check4{"ｻｲｽﾞも取得"};
    controls::CheckBox Check5{"ﾌｫﾙﾀﾞ名も取得"};
    controls::CheckBox Check6{"ﾌｫﾙﾀﾞﾊﾟｽも連動"};
    controls::Button cmdStart{"取得"};
    std::array<controls::Button, 2> Command2{controls::Button{"<<戻る", false},
                                             controls::Button{"進む>>", false}};
    controls::Button Command4{"すべてｸﾘｱｰ"};
    controls::Button Command1{"Textに保存"};
    controls::Button cmdEnd{"終了"};
    controls::Button cmdRename{"ﾌｧｲﾙ名変更"};
    controls::Button cmdHistory{"履歴..."};
    controls::Button cmdExport{"CSVで保存", /*enabled=*/false}; // while the listing has files
    controls::Button cmdCopy{"ｺﾋﾟｰ", /*enabled=*/false};        // while there is a listing
    // The order of files; the file list follows it at once, the listing at the next scan.
    controls::ComboBox cboOrder = shared::makeOrderChoice(shared::kOrderTipWithFileList);

private:
    const paths::PathStyle &style() const { return m_services.fs.pathStyle(); }
    listing::ListingOptions listingOptions() const;
    // Long work in this window, described by `what`: every button and the order are held.
    controls::LongWork working(std::string_view what);
    void showFileCount();
    void showHistoryRow();
    // The export and ｺﾋﾟｰ follow the listing shown.
    void showExports();
    void followHistoryFolder(const std::string &pathField);
    // The run's order changed, here or in another window.
    void fileOrderChanged();

    controls::DriveFolderLink m_folderLink;
    controls::Connection m_orderFollowed;
};

} // namespace tavolin::mainwindow
