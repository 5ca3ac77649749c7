#pragma once

#include "folderchooser/frm_dialog.h"
#include "folderchooser/qt/folder_chooser_view.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/qt/main_window_view.h"
#include "renamewindow/frm_file_name.h"
#include "renamewindow/qt/rename_window_view.h"
#include "shared/module1.h"
#include "shared/start_request.h"

#include <QPointer>
#include <QTimer>

#include <memory>
#include <optional>

namespace tavolin {

// The program's windows and the state they share. The main window lives as long as this
// object; the rename window and the folder chooser from their opening to their closing, each
// with its model, which goes when its window has gone.
class Windows
{
public:
    explicit Windows(const services::Services &services);
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    // Loads and shows the main window, then opens what `request` asks for; false when another
    // copy of the program runs (the user has been told, and no window was shown).
    bool start(const shared::StartRequest &request = {});

    // Opens the request's folder in the main window, or in the rename window and scans it, and
    // brings that window to the front: a start's own, or one handed over by a second start. A
    // folder that cannot be opened is reported, and the windows stay as they were.
    void open(const shared::StartRequest &request);

    // Shows the rename window, opening it first if it is not open.
    void openRenameWindow();
    // Shows the folder chooser, opening it first if it is not open.
    void openFolderChooser();

    Module1 &module() { return m_module; }
    mainwindow::FrmMain &frmMain() { return m_frmMain; }
    mainwindow::MainWindowView *mainView() { return m_mainView.get(); }
    renamewindow::FrmFileName *frmFileName() { return m_frmFileName.get(); }
    renamewindow::RenameWindowView *renameView() { return m_renameView; }
    folderchooser::FrmDialog *frmDialog() { return m_frmDialog.get(); }
    folderchooser::FolderChooserView *chooserView() { return m_chooserView; }

private:
    // Whether a window works (busy pointer) or waits for an answer (a modal dialog).
    bool busy() const;

    services::Services m_services;
    Module1 m_module;
    mainwindow::FrmMain m_frmMain;
    std::unique_ptr<mainwindow::MainWindowView> m_mainView;
    std::unique_ptr<renamewindow::FrmFileName> m_frmFileName;
    QPointer<renamewindow::RenameWindowView> m_renameView;
    std::unique_ptr<folderchooser::FrmDialog> m_frmDialog;
    QPointer<folderchooser::FolderChooserView> m_chooserView;
    // The last request handed over while busy, tried again when the timer runs out.
    std::optional<shared::StartRequest> m_waiting;
    QTimer m_waitForIdle;
};

} // namespace tavolin
