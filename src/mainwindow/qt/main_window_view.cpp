#include "mainwindow/qt/main_window_view.h"

#include "controls/qt/drive_combo_box.h"
#include "controls/qt/folder_drops.h"
#include "controls/qt/large_text_edit.h"
#include "controls/qt/screen_fit.h"
#include "controls/qt/tab_order.h"
#include "controls/qt/widget_factory.h"
#include "shared/fs_error_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavolin::mainwindow {

namespace {

constexpr int kWidth = 900;
constexpr int kHeight = 580;
constexpr int kLeftColumnWidth = 210;
constexpr int kRightColumnWidth = 190;

using controls::makeControl;

} // namespace

MainWindowView::MainWindowView(FrmMain &model, QWidget *parent)
    : QWidget(parent, Qt::Window | controls::kFixedSizeWindowFlags)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tavolin"));
    auto *fit = new controls::ScreenFit(this);
    QWidget *body = fit->body();

    // Left column: drive, folder and file lists.
    auto *drive1 = makeControl<controls::DriveComboBox>("Drive1", body);
    auto *dir1 = makeControl<QListWidget>("Dir1", body);
    auto *file1 = makeControl<QListView>("File1", body);
    auto *left = new QVBoxLayout;
    left->addWidget(drive1);
    left->addWidget(dir1, 1);
    left->addWidget(file1, 1);

    // Middle: the path field above the listing.
    auto *text1 = makeControl<QLineEdit>("Text1", body);
    text1->setReadOnly(true);
    auto *txtM = makeControl<controls::LargeTextEdit>("txtM", body);
    makeControl<QLineEdit>("Text2", body); // kept hidden by its model
    auto *middle = new QVBoxLayout;
    middle->addWidget(text1);
    middle->addWidget(txtM, 1);

    // Right column: count, options, scan, history, renaming and its history, clear, save, end.
    auto *label1 = makeControl<QLabel>("Label1", body);
    auto *check1 = makeControl<QCheckBox>("Check1", body);
    auto *check2 = makeControl<QCheckBox>("Check2", body);
    auto *check3 = makeControl<QCheckBox>("Check3", body);
    auto *check4 = makeControl<QCheckBox>("Check4", body);
    auto *check5 = makeControl<QCheckBox>("Check5", body);
    auto *cboOrder = makeControl<QComboBox>("cboOrder", body);
    auto *cmdStart = makeControl<QPushButton>("cmdStart", body);
    auto *check6 = makeControl<QCheckBox>("Check6", body);
    auto *back = makeControl<QPushButton>("Command2_0", body);
    auto *label2 = makeControl<QLabel>("Label2", body);
    label2->setAlignment(Qt::AlignCenter);
    label2->setMinimumWidth(24);
    auto *forward = makeControl<QPushButton>("Command2_1", body);
    auto *cmdRename = makeControl<QPushButton>("cmdRename", body);
    auto *cmdHistory = makeControl<QPushButton>("cmdHistory", body);
    auto *command4 = makeControl<QPushButton>("Command4", body);
    auto *command1 = makeControl<QPushButton>("Command1", body);
    auto *cmdExport = makeControl<QPushButton>("cmdExport", body);
    auto *cmdCopy = makeControl<QPushButton>("cmdCopy", body);
    auto *cmdEnd = makeControl<QPushButton>("cmdEnd", body);

    auto *history = new QHBoxLayout;
    history->addWidget(back);
    history->addWidget(label2);
    history->addWidget(forward);

    auto *right = new QVBoxLayout;
    right->addWidget(label1);
    right->addSpacing(6);
    for (QCheckBox *option : {check1, check2, check3, check4, check5})
        right->addWidget(option);
    right->addSpacing(6);
    right->addWidget(cboOrder);
    right->addWidget(cmdStart);
    right->addSpacing(12);
    right->addWidget(check6);
    right->addLayout(history);
    right->addSpacing(12);
    right->addWidget(cmdRename);
    right->addWidget(cmdHistory);
    right->addStretch(1);
    right->addWidget(command4);
    right->addWidget(command1);
    auto *exports = new QHBoxLayout;
    exports->addWidget(cmdExport, 2);
    exports->addWidget(cmdCopy, 1);
    right->addLayout(exports);
    right->addSpacing(12);
    right->addWidget(cmdEnd);

    auto *leftBox = new QWidget(body);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(kLeftColumnWidth);
    left->setContentsMargins(0, 0, 0, 0);
    auto *rightBox = new QWidget(body);
    rightBox->setLayout(right);
    rightBox->setFixedWidth(kRightColumnWidth);
    right->setContentsMargins(0, 0, 0, 0);

    auto *columns = new QHBoxLayout(body);
    columns->addWidget(leftBox);
    columns->addLayout(middle, 1);
    columns->addWidget(rightBox);
    fit->setBodySize({kWidth, kHeight});
    controls::setReadingTabOrder(body);

    m_bindings.window(this, model.window, *fit);
    m_bindings.bindAll(body,
                       model.controlTable(),
                       {[&model](const std::string &folder) { model.openFolder(folder); },
                        shared::describeUnlistedFolder});
    new controls::FolderDrops(this,
                              [&model](const std::string &path) { model.folderDropped(path); });
}

} // namespace tavolin::mainwindow
