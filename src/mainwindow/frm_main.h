#pragma once

#include "app/module1.h"
#include "listing/listing_history.h"
#include "listing/listing_scan.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/folder_lists.h"
#include "platform/process.h"
#include "platform/text_files.h"
#include "platform/window_state.h"

#include <array>
#include <cstdint>

namespace tavolin::mainwindow {

struct MainWindowServices
{
    platform::FileSystem &fs;
    platform::Drives &drives;
    platform::Dialogs &dialogs;
    platform::TextFiles &textFiles;
    platform::ProcessServices &process;
};

// The main window: picks a folder, lists its file names as text, pages the listing history,
// saves and clears the listing. Holds every control's state and runs every handler; the view
// only shows the controls and forwards what the user does.
class FrmMain
{
public:
    FrmMain(Module1 &module, const MainWindowServices &services);
    FrmMain(const FrmMain &) = delete;
    FrmMain &operator=(const FrmMain &) = delete;

    // Runs before the window is shown. Returns false when another copy of the program runs:
    // the user has been told, and the window must never be shown.
    bool Form_Load();

    void Drive1_Change();
    void Dir1_Change();
    void Text1_Change();
    void txtM_Change();
    void cmdStart_Click();
    void Command2_Click(int index);
    void Command1_Click();
    void Command4_Click();
    void cmdEnd_Click();
    void cmdRename_Click(); // opens the rename window, or brings it to the front

    // Asks for the rename window to be shown.
    platform::Signal<> renameWindowRequested;

    // The user opened a folder in the folder list. A folder that cannot be opened is reported
    // (as a drive that is not ready when its medium does not answer), and nothing changes.
    void openFolder(std::string_view path);

    std::int64_t lngFileCount() const { return m_fileCount; }
    const listing::ListingHistory &history() const { return m_history; }

private:
    Module1 &m_module;
    MainWindowServices m_services;
    listing::ListingHistory m_history;
    std::int64_t m_fileCount = 0;

public:
    platform::WindowState window;
    platform::DriveList Drive1;
    platform::FolderList Dir1;
    platform::FileList File1;
    platform::TextBox Text1; // the path field; read-only for the user
    platform::TextBox txtM;  // the listing
    platform::TextBox Text2{{}, /*visible=*/false};
    platform::Label Label1;
    platform::Label Label2;
    platform::CheckBox Check1{"今のﾘｽﾄを残す"};
    platform::CheckBox Check2{"番号付(1 ﾌｧｲﾙ名)"};
    platform::CheckBox Check3{"拡張子を付ける"};
    platform::CheckBox Check4{"ｻｲｽﾞも取得"};
    platform::CheckBox Check5{"ﾌｫﾙﾀﾞ名も取得"};
    platform::CheckBox Check6{"ﾌｫﾙﾀﾞﾊﾟｽも連動"};
    platform::Button cmdStart{"取得"};
    std::array<platform::Button, 2> Command2{platform::Button{"<<戻る", false},
                                             platform::Button{"進む>>", false}};
    platform::Button Command4{"すべてｸﾘｱｰ"};
    platform::Button Command1{"Textに保存"};
    platform::Button cmdEnd{"終了"};
    platform::Button cmdRename{"ﾌｧｲﾙ名変更"};

private:
    const platform::PathStyle &style() const { return m_services.fs.pathStyle(); }
    listing::ListingOptions listingOptions() const;
    void showFileCount();
    void showHistoryRow();
    void followHistoryFolder(const std::string &pathField);
    void reportUnopenedFolder(std::string_view folder, const platform::FsError &error);
};

} // namespace tavolin::mainwindow
