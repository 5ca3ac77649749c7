#pragma once

#include "folderchooser/frm_dialog.h"
#include "folderchooser/qt/folder_chooser_view.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/qt/main_window_view.h"
#include "renamewindow/frm_file_name.h"
#include "renamewindow/frm_history.h"
#include "renamewindow/qt/history_window_view.h"
#include "renamewindow/qt/rename_window_view.h"
#include "shared/module1.h"
#include "shared/start_request.h"

#include <QPointer>
#include <QTimer>

#include <deque>
#include <memory>

namespace tavolin {

// The program's windows and the state they share. The main window lives as long as this
// object; the rename window, the history of batches and the folder chooser from their opening to
// their closing, each with its model, which goes when its window has gone.
class Windows
{
public:
    // `background`, where the main window's lists read a folder: the program's own threads
    // (controls::BackgroundThreads); without one, at once.
    explicit Windows(const services::Services &services,
                     controls::Background *background = nullptr);
    ~Windows();
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    // Loads and shows the main window, then opens what `request` asks for; false when another
    // copy of the program runs (the user has been told, and no window was shown).
    bool start(const shared::StartRequest &request = {});

    // Opens the request's folder in the main window, or in the rename window and scans it, or
    // only shows the rename window, and brings that window to the front: a start's own, or one
    // handed over by a second start. A folder that cannot be opened is reported, and the windows
    // stay as they were; so they do when the user would rather keep the planned names that the
    // scan would replace. Requests handed over while a window works or asks something, and
    // folders to rename in while the rules window is open, wait until that is over, and then
    // open in the order they came.
    void open(const shared::StartRequest &request);

    // Shows the rename window, opening it first if it is not open: on the main window's folder
    // once the program was handed a folder, else on the start folder.
    void openRenameWindow();
    // Shows the folder chooser, opening it first if it is not open.
    void openFolderChooser();
    // Shows the history of batches, opening it first if it is not open; a folder opened there
    // opens in the rename window as one handed over.
    void openHistoryWindow();

    Module1 &module() { return m_module; }
    mainwindow::FrmMain &frmMain() { return m_frmMain; }
    mainwindow::MainWindowView *mainView() { return m_mainView.get(); }
    renamewindow::FrmFileName *frmFileName() { return m_frmFileName.get(); }
    renamewindow::RenameWindowView *renameView() { return m_renameView; }
    folderchooser::FrmDialog *frmDialog() { return m_frmDialog.get(); }
    folderchooser::FolderChooserView *chooserView() { return m_chooserView; }
    renamewindow::FrmHistory *frmHistory() { return m_frmHistory.get(); }
    renamewindow::HistoryWindowView *historyView() { return m_historyView; }

private:
    // Whether a window works (busy pointer) or waits for an answer (a modal dialog).
    bool busy() const;
    // Whether `request` must wait: while busy, and a folder to rename in while the rules window
    // holds the rename window's folder field.
    bool mustWait(const shared::StartRequest &request) const;
    // Opens the requests waiting, in order, until one must wait again.
    void openWaiting();
    void openNow(const shared::StartRequest &request);

    services::Services m_services;
    Module1 m_module;
    mainwindow::FrmMain m_frmMain;
    std::unique_ptr<mainwindow::MainWindowView> m_mainView;
    std::unique_ptr<renamewindow::FrmFileName> m_frmFileName;
    QPointer<renamewindow::RenameWindowView> m_renameView;
    std::unique_ptr<folderchooser::FrmDialog> m_frmDialog;
    QPointer<folderchooser::FolderChooserView> m_chooserView;
    std::unique_ptr<renamewindow::FrmHistory> m_frmHistory;
    QPointer<renamewindow::HistoryWindowView> m_historyView;
    // The requests that could not open yet, in the order they came, tried again when the
    // timer runs out.
    std::deque<shared::StartRequest> m_waiting;
    QTimer m_waitForIdle;
};

} // namespace tavolin
