#include "app/windows.h"

#include "renamewindow/cut_off_batches.h"

namespace tavolin {

namespace {

void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Windows::Windows(const services::Services &services)
    : m_services(services)
    , m_frmMain(m_module, services)
{
    m_frmMain.renameWindowRequested.connect([this] { openRenameWindow(); });
}

Windows::~Windows()
{
    // Views go before the models they show.
    delete m_chooserView.data();
    delete m_renameView.data();
    m_mainView.reset();
}

bool Windows::start()
{
    if (!m_frmMain.Form_Load())
        return false;
    m_mainView = std::make_unique<mainwindow::MainWindowView>(m_frmMain);
    m_mainView->show();
    renamewindow::offerToSettleCutOffBatches(m_services);
    return true;
}

void Windows::openRenameWindow()
{
    if (m_renameView) {
        bringToFront(m_renameView);
        return;
    }
    m_frmFileName = std::make_unique<renamewindow::FrmFileName>(m_module, m_services);
    m_frmFileName->folderChooserRequested.connect([this] { openFolderChooser(); });
    m_frmFileName->Form_Load();
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

} // namespace tavolin
