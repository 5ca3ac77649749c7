#include "app/windows.h"

#include "renamewindow/cut_off_batches.h"

#include <QApplication>

#include <utility>

namespace tavolin {

namespace {

void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Windows::Windows(const services::Services &services, controls::Background *background)
    : m_services(services)
    , m_frmMain(m_module, services, background)
{
    m_frmMain.renameWindowRequested.connect([this] { openRenameWindow(); });
    m_frmMain.historyRequested.connect([this] { openHistoryWindow(); });
    m_waitForIdle.setInterval(200);
    m_waitForIdle.setSingleShot(true);
    QObject::connect(&m_waitForIdle, &QTimer::timeout, [this] { openWaiting(); });
}

Windows::~Windows()
{
    // Views go before the models they show.
    delete m_chooserView.data();
    delete m_historyView.data();
    delete m_renameView.data();
    m_mainView.reset();
}

bool Windows::start(const shared::StartRequest &request)
{
    if (!m_frmMain.Form_Load())
        return false;
    m_mainView = std::make_unique<mainwindow::MainWindowView>(m_frmMain);
    m_mainView->show();
    renamewindow::offerToSettleCutOffBatches(m_services);
    open(request);
    return true;
}

void Windows::open(const shared::StartRequest &request)
{
    if (!request.folder && !request.rename)
        return;
    m_waiting.push_back(request);
    openWaiting();
}

void Windows::openWaiting()
{
    while (!m_waiting.empty()) {
        if (mustWait(m_waiting.front())) {
            m_waitForIdle.start();
            return;
        }
        const shared::StartRequest request = std::move(m_waiting.front());
        m_waiting.pop_front();
        openNow(request);
    }
}

bool Windows::mustWait(const shared::StartRequest &request) const
{
    // A start handed over while a window works or asks something (both run the event loop)
    // waits for the end: the work and the question are about the folder as it was. So does a
    // folder to rename in while the rules window plans names for the folder shown.
    return busy()
           || (request.rename && request.folder && m_frmFileName && m_frmFileName->rules.isOpen());
}

void Windows::openNow(const shared::StartRequest &request)
{
    if (!request.folder) { // the rename window alone
        openRenameWindow();
        return;
    }
    const auto folder = shared::resolveFolder(
            m_services.fs, m_services.process.currentFolder(), *request.folder);
    if (!folder) {
        m_services.dialogs.showMessage(folder.error());
        return;
    }
    if (!request.rename) {
        m_frmMain.openHandedFolder(*folder);
        bringToFront(m_mainView.get());
        return;
    }
    openRenameWindow();
    // As a folder dropped on it, asking first where planned names would be lost; the main window
    // follows only when the rename window took the folder.
    if (m_frmFileName->folderDropped(*folder))
        m_frmMain.openHandedFolder(*folder);
}

bool Windows::busy() const
{
    const auto working = [](const controls::WindowState &window) {
        return window.pointer() == controls::MousePointer::Busy;
    };
    return QApplication::activeModalWidget() || working(m_frmMain.window)
           || (m_frmFileName && working(m_frmFileName->window))
           || (m_frmDialog && working(m_frmDialog->window))
           || (m_frmHistory && working(m_frmHistory->window));
}

void Windows::openRenameWindow()
{
    if (m_renameView) {
        bringToFront(m_renameView);
        return;
    }
    m_frmFileName = std::make_unique<renamewindow::FrmFileName>(m_module, m_services);
    m_frmFileName->folderChooserRequested.connect([this] { openFolderChooser(); });
    m_frmFileName->historyRequested.connect([this] { openHistoryWindow(); });
    m_frmFileName->Form_Load(m_frmMain.renameWindowFolder());
    m_renameView = new renamewindow::RenameWindowView(*m_frmFileName);
    // The model goes once its window has gone (closing deletes the window later, after the
    // handler that closed it has returned).
    QObject::connect(m_renameView, &QObject::destroyed, [this] { m_frmFileName.reset(); });
    bringToFront(m_renameView);
}

void Windows::openFolderChooser()
{
    if (m_chooserView) {
        bringToFront(m_chooserView);
        return;
    }
    folderchooser::FolderTargets targets{[this](const std::string &folder) {
                                             // The rename window may have been closed meanwhile;
                                             // then only the remembered folder is set, and no
                                             // window is opened behind the user's back.
                                             if (m_frmFileName)
                                                 m_frmFileName->Text1.setText(folder);
                                         },
                                         [this](const std::string &folder) {
                                             m_frmMain.Text1.setText(folder);
                                         }};
    m_frmDialog
            = std::make_unique<folderchooser::FrmDialog>(m_module, m_services, std::move(targets));
    m_frmDialog->Form_Load();
    m_chooserView = new folderchooser::FolderChooserView(*m_frmDialog);
    QObject::connect(m_chooserView, &QObject::destroyed, [this] { m_frmDialog.reset(); });
    bringToFront(m_chooserView);
}

void Windows::openHistoryWindow()
{
    if (m_historyView) {
        m_frmHistory->Form_Load(); // batches may have run since it was opened
        bringToFront(m_historyView);
        return;
    }
    m_frmHistory = std::make_unique<renamewindow::FrmHistory>(m_services,
                                                              [this](const std::string &folder) {
                                                                  open({folder, true});
                                                              });
    m_frmHistory->folderRenamed.connect([this](const std::string &folder) {
        if (m_frmFileName)
            m_frmFileName->folderRenamedElsewhere(folder);
    });
    m_frmHistory->Form_Load();
    m_historyView = new renamewindow::HistoryWindowView(*m_frmHistory);
    QObject::connect(m_historyView, &QObject::destroyed, [this] { m_frmHistory.reset(); });
    bringToFront(m_historyView);
}

} // namespace tavolin
