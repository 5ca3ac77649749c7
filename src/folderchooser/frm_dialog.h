#pragma once

#include "controls/control_table.h"
#include "controls/controls.h"
#include "controls/folder_lists.h"
#include "controls/window_state.h"
#include "services/services.h"
#include "shared/module1.h"

#include <functional>
#include <string>

namespace tavolin::folderchooser {

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
    FrmDialog(Module1 &module, const services::Services &services, FolderTargets targets);
    FrmDialog(const FrmDialog &) = delete;
    FrmDialog &operator=(const FrmDialog &) = delete;

    void Form_Load();
    void Dir1_Change();
    void cmdNewF_Click();
    void cmdOK_Click();
    void cmdCansel_Click();

    // The user opened a folder in the folder list. A folder that cannot be opened is reported
    // (with the medium request when its medium does not answer), and nothing changes.
    void openFolder(std::string_view path);

private:
    Module1 &m_module;
    services::Services m_services;
    FolderTargets m_targets;

public:
    // Every control of the window by the name of its widget.
    controls::ControlTable controlTable();

    controls::WindowState window;
    controls::Label Label1; // the chosen folder
    controls::DriveList Drive1;
    controls::FolderList Dir1;
    controls::Button cmdNewF{"ﾌｫﾙﾀﾞの作成"};
    controls::Button cmdOK{"OK"};
    controls::Button cmdCansel{"キャンセル"};
    controls::TextBox Text2{{}, /*visible=*/false};

private:
    const paths::PathStyle &style() const { return m_services.fs.pathStyle(); }
    void openNearestParent(std::string_view folder);

    controls::DriveFolderLink m_folderLink;
};

} // namespace tavolin::folderchooser
