#include "renamewindow/qt/rename_window_view.h"

#include "controls/qt/folder_drops.h"
#include "controls/qt/list_box_view.h"
#include "controls/qt/screen_fit.h"
#include "controls/qt/scroll_group.h"
#include "controls/qt/tab_order.h"
#include "controls/qt/widget_factory.h"
#include "renamewindow/qt/rules_window_view.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace tavolin::renamewindow {

namespace {

using controls::place;

constexpr int kHeight = 508;

} // namespace

RenameWindowView::RenameWindowView(FrmFileName &model, QWidget *parent)
    : QDialog(parent, Qt::Window | controls::kFixedSizeWindowFlags)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmFileName"));
    setWindowTitle(QStringLiteral("ﾌｧｲﾙ名　変更"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *fit = new controls::ScreenFit(this);
    QWidget *body = fit->body();
    m_body = body;
    // The width is the model's, narrow or wide.
    fit->setBodySize({model.window.widthPixels(), kHeight});

    auto *text1 = place<QLineEdit>("Text1", body, 8, 8, 380, 26);
    place<QPushButton>("cmdDialog", body, 392, 8, 64, 26);
    place<QLineEdit>("Text2", body, 460, 8, 40, 26);
    auto *text3 = place<QLineEdit>("Text3", body, 8, 42, 300, 26);
    place<QPushButton>("Command2", body, 312, 42, 60, 26);
    place<QCheckBox>("Check1", body, 384, 42, 150, 26);
    place<QPushButton>("cmdRules", body, 8, 84, 150, 30);
    auto *frame1 = place<QGroupBox>("Frame1", body, 380, 70, 150, 56);
    place<QRadioButton>("Option1_0", frame1, 8, 4, 136, 24);
    place<QRadioButton>("Option1_1", frame1, 8, 28, 136, 24);
    place<QLabel>("Label2_0", body, 8, 128, 176, 20);
    place<QLabel>("Label2_1", body, 188, 128, 150, 20);
    place<QLabel>("Label2_2", body, 342, 128, 64, 20);
    auto *list1 = place<controls::ListBoxView>("List1", body, 8, 150, 176, 316);
    auto *list20 = place<controls::ListBoxView>("List2_0", body, 188, 150, 150, 316);
    auto *list21 = place<controls::ListBoxView>("List2_1", body, 342, 150, 64, 316);
    auto *label1 = place<QLabel>("Label1", body, 414, 150, 152, 22);
    place<QComboBox>("cboOrder", body, 414, 174, 152, 28);
    place<QPushButton>("cmdStart", body, 414, 206, 152, 30);
    place<QPushButton>("Command6", body, 414, 242, 152, 30);
    place<QPushButton>("Command1", body, 414, 278, 152, 30);
    place<QPushButton>("cmdUndo", body, 414, 314, 152, 30);
    auto *lblStatus = place<QLabel>("lblStatus", body, 414, 350, 152, 44);
    place<QPushButton>("Command3", body, 414, 398, 116, 30);
    place<QPushButton>("cmdEnd", body, 414, 436, 116, 30);
    // 8040 twips from the left and 735 wide: its right edge reaches over the panel's border,
    // so it is raised above the panel.
    auto *command5 = place<QPushButton>("Command5", body, 536, 398, 49, 68);
    command5->setStyleSheet(QStringLiteral("padding: 0px"));
    auto *frame2 = place<QGroupBox>("Frame2", body, 576, 4, 145, 462);
    auto *text4 = place<QLineEdit>("Text4", frame2, 6, 24, 80, 26);
    auto *command4 = place<QPushButton>("Command4", frame2, 90, 24, 49, 26);
    auto *list30 = place<controls::ListBoxView>("List3_0", frame2, 6, 56, 65, 400);
    place<QPushButton>("cmdSheetOut", body, 8, 472, 130, 30);
    place<QPushButton>("cmdSheetIn", body, 142, 472, 130, 30);
    place<QPushButton>("cmdPasteSheet", body, 276, 472, 130, 30);
    place<QPushButton>("cmdHistory", body, 414, 472, 152, 30);
    auto *list31 = place<controls::ListBoxView>("List3_1", frame2, 74, 56, 65, 400);
    frame1->setFlat(true);
    lblStatus->setWordWrap(true);
    lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    command5->raise();

    controls::setReadingTabOrder(body);

    // Clicks on these, as on the window itself, make the chooser serve this window.
    for (QWidget *widget : {body,
                            static_cast<QWidget *>(label1),
                            static_cast<QWidget *>(text1),
                            static_cast<QWidget *>(text3)})
        widget->installEventFilter(this);

    m_bindings.window(this, model.window, *fit);
    m_bindings.bindAll(body, model.controlTable());
    m_rulesShown = model.rulesWindowRequested.connectScoped([this] { showRules(); });
    new controls::FolderDrops(this,
                              [&model](const std::string &path) { model.folderDropped(path); });
    // Row k of each column describes the same file (of each pair list, the same pair): they
    // scroll as one.
    new controls::ScrollGroup({list1, list20, list21});
    new controls::ScrollGroup({list30, list31});

    // While the window is too narrow to show the extension panel, Tab passes it by.
    const auto reachPanel
            = [this, frame2, panel = focusPolicies({text4, command4, list30, list31})] {
                  const bool shown = frame2->x() < m_model.window.widthPixels();
                  for (const auto &[widget, policy] : panel)
                      widget->setFocusPolicy(shown ? policy : Qt::NoFocus);
              };
    reachPanel();
    m_panelReach = model.window.widthChanged.connectScoped(reachPanel);

    text3->setFocus();
}

std::vector<std::pair<QWidget *, Qt::FocusPolicy>>
RenameWindowView::focusPolicies(std::initializer_list<QWidget *> widgets)
{
    std::vector<std::pair<QWidget *, Qt::FocusPolicy>> policies;
    for (QWidget *widget : widgets)
        policies.emplace_back(widget, widget->focusPolicy());
    return policies;
}

void RenameWindowView::showRules()
{
    if (!m_rulesView) {
        m_rulesView = new RulesWindowView(m_model.rules, this);
        // Beside this window, where it hides no column.
        m_rulesView->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    m_rulesView->show();
    m_rulesView->raise();
    m_rulesView->activateWindow();
}

bool RenameWindowView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched != m_body || onBareBody(event)))
        m_model.Form_Click();
    return QDialog::eventFilter(watched, event);
}

bool RenameWindowView::onBareBody(QEvent *event) const
{
    // A press that a child left unhandled (a heading, a frame, a disabled button) reaches the
    // body too; only one on the body itself is a click on the window's background.
    const auto *press = static_cast<QMouseEvent *>(event);
    return !m_body->childAt(press->position().toPoint());
}

void RenameWindowView::closeEvent(QCloseEvent *event)
{
    // A plain close (QDialog's own would turn it into a rejection), or none yet while work runs.
    if (m_model.Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

} // namespace tavolin::renamewindow
