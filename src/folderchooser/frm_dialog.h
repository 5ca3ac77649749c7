#pragma once

#include "app/module1.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "platform/folder_lists.h"
#include "platform/process.h"
#include "platform/window_state.h"

#include <functional>
#include <string>

namespace tavolin::folderchooser {

struct FolderChooserServices
{
    platform::FileSystem &fs;
    platform::Drives &drives;
    platform::Dialogs &dialogs;
    platform::ProcessServices &process;
};

// Where the chooser delivers the chosen folder: the path field of the rename window (which may
// have been closed meanwhile) or of the main window.
struct FolderTargets
{
    std::function<void(const std::string &folder)> renameWindow;
    std::function<void(const std::string &folder)> mainWindow;
};

// The folder chooser: a drive list and a folder list, a button that creates a folder, OK and
// cancel. Not modal, and in front of every other window. What OK delivers, and to which window,
// depends on flgFileName at the moment OK is pressed.
class FrmDialog
{
public:
    FrmDialog(Module1 &module, const FolderChooserServices &services, FolderTargets targets);
    FrmDialog(const FrmDialog &) = delete;
    FrmDialog &operator=(const FrmDialog &) = delete;

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void cmdNewF_Click();
    void cmdOK_Click();
    void cmdCansel_Click();

    // The user opened a folder in the folder list. A folder that cannot be opened is reported
    // (with the medium request when its medium does not answer), and nothing changes.
    void openFolder(std::string_view path);

private:
    Module1 &m_module;
    FolderChooserServices m_services;
    FolderTargets m_targets;

public:
    platform::WindowState window;
    platform::Label Label1; // the chosen folder
    platform::DriveList Drive1;
    platform::FolderList Dir1;
    platform::Button cmdNewF{"ﾌｫﾙﾀﾞの作成"};
    platform::Button cmdOK{"OK"};
    platform::Button cmdCansel{"キャンセル"};
    platform::TextBox Text2{{}, /*visible=*/false};

private:
    const platform::PathStyle &style() const { return m_services.fs.pathStyle(); }
    void reportUnopenedFolder(std::string_view folder, const platform::FsError &error);
    void openNearestParent(std::string_view folder);
};

} // namespace tavolin::folderchooser
