#include "renamewindow/qt/history_window_view.h"

#include "controls/qt/list_box_view.h"
#include "controls/qt/screen_fit.h"
#include "controls/qt/tab_order.h"
#include "controls/qt/widget_factory.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tavolin::renamewindow {

namespace {

using controls::place;

constexpr int kHeight = 536;

} // namespace

HistoryWindowView::HistoryWindowView(FrmHistory &model, QWidget *parent)
    : QDialog(parent, Qt::Window | controls::kFixedSizeWindowFlags)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmHistory"));
    setWindowTitle(QStringLiteral("履歴"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *fit = new controls::ScreenFit(this);
    QWidget *body = fit->body();
    const int width = model.window.widthPixels();
    fit->setBodySize({width, kHeight});

    place<controls::ListBoxView>("lstBatches", body, 8, 8, width - 16, 200);
    place<QLabel>("lblFilter", body, 8, 216, 80, 26);
    place<QLineEdit>("txtFilter", body, 92, 216, 300, 26);
    place<QLabel>("lblRenames", body, 400, 216, width - 408, 26);
    place<controls::ListBoxView>("lstRenames", body, 8, 248, width - 16, 240);
    place<QPushButton>("cmdOpenFolder", body, 8, 498, 160, 30);
    place<QPushButton>("cmdUndoBatch", body, 172, 498, 120, 30);
    place<QPushButton>("cmdExport", body, 296, 498, 140, 30);
    place<QPushButton>("cmdClose", body, width - 108, 498, 100, 30);
    controls::setReadingTabOrder(body);
    m_bindings.bindAll(body, model.controlTable());
    m_bindings.window(this, model.window, *fit);
}

void HistoryWindowView::reject()
{
    m_model.cmdClose_Click();
}

void HistoryWindowView::closeEvent(QCloseEvent *event)
{
    if (m_model.Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

} // namespace tavolin::renamewindow
