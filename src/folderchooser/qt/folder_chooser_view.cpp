#include "folderchooser/qt/folder_chooser_view.h"

#include "controls/qt/drive_combo_box.h"
#include "controls/qt/elided_label.h"
#include "controls/qt/screen_fit.h"
#include "controls/qt/tab_order.h"
#include "controls/qt/widget_factory.h"
#include "shared/fs_error_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolin::folderchooser {

using controls::makeControl;

FolderChooserView::FolderChooserView(FrmDialog &model, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmDialog"));
    setWindowTitle(QStringLiteral("保存先フォルダの指定"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *fit = new controls::ScreenFit(this);
    QWidget *body = fit->body();

    auto *label1 = makeControl<controls::ElidedLabel>("Label1", body);
    label1->setFrameShape(QFrame::StyledPanel);
    label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *drive1 = makeControl<controls::DriveComboBox>("Drive1", body);
    auto *dir1 = makeControl<QListWidget>("Dir1", body);
    auto *cmdNewF = makeControl<QPushButton>("cmdNewF", body);
    auto *cmdOK = makeControl<QPushButton>("cmdOK", body);
    auto *cmdCansel = makeControl<QPushButton>("cmdCansel", body);
    makeControl<QLineEdit>("Text2", body); // kept hidden by its model

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdNewF);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCansel);
    auto *grid = new QGridLayout(body);
    grid->addWidget(label1, 0, 0, 1, 2);
    grid->addWidget(drive1, 1, 0);
    grid->addWidget(dir1, 2, 0);
    grid->addLayout(buttons, 1, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    fit->setBodySize({440, 340});
    controls::setReadingTabOrder(body);

    m_bindings.window(this, model.window, *fit);
    m_bindings.bindAll(body,
                       model.controlTable(),
                       {[&model](const std::string &folder) { model.openFolder(folder); },
                        shared::describeUnlistedFolder});
}

void FolderChooserView::closeEvent(QCloseEvent *event)
{
    // A plain close: QDialog's own would turn it into a rejection.
    event->accept();
}

} // namespace tavolin::folderchooser
