#include "renamewindow/qt/rules_window_view.h"

#include "controls/qt/list_box_view.h"
#include "controls/qt/screen_fit.h"
#include "controls/qt/tab_order.h"
#include "controls/qt/widget_factory.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace tavolin::renamewindow {

namespace {

using controls::place;

constexpr int kHeight = 412;
constexpr int kSettingsTop = 200; // the first row of a step's settings
constexpr int kRow = 32;          // from one row of settings to the next

int settingsRow(int row)
{
    return kSettingsTop + row * kRow;
}

} // namespace

RulesWindowView::RulesWindowView(FrmRules &model, QWidget *parent)
    : QDialog(parent, Qt::Tool | controls::kFixedSizeWindowFlags)
    , m_model(model)
{
    setObjectName(QStringLiteral("frmRules"));
    setWindowTitle(QStringLiteral("名前の変換"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *fit = new controls::ScreenFit(this);
    QWidget *body = fit->body();
    fit->setBodySize({model.window.widthPixels(), kHeight});

    // The kinds' combo is wide enough for its longest kind, "Shift_JISの名前をUTF-8に".
    place<controls::ListBoxView>("lstSteps", body, 8, 8, 236, 150);
    place<QComboBox>("cboStepKind", body, 252, 8, 180, 28);
    place<QPushButton>("cmdAddStep", body, 252, 42, 180, 28);
    place<QPushButton>("cmdRemoveStep", body, 252, 76, 180, 28);
    place<QPushButton>("cmdStepUp", body, 252, 110, 88, 28);
    place<QPushButton>("cmdStepDown", body, 344, 110, 88, 28);
    place<QLabel>("lblTarget", body, 8, 166, 60, 26);
    place<QComboBox>("cboTarget", body, 72, 166, 196, 28);

    // A label in front of a field on one row of settings.
    const auto field = [&](const char *labelName,
                           const char *fieldName,
                           int row,
                           int x,
                           int labelWidth,
                           int fieldWidth) {
        place<QLabel>(labelName, body, x, settingsRow(row), labelWidth, 26);
        place<QLineEdit>(fieldName, body, x + labelWidth + 4, settingsRow(row), fieldWidth, 26);
    };
    // Replace.
    field("lblFind", "txtFind", 0, 8, 120, 304);
    field("lblReplace", "txtReplace", 1, 8, 120, 304);
    place<QCheckBox>("chkRegex", body, 8, settingsRow(2), 100, 26);
    place<QCheckBox>("chkMatchCase", body, 112, settingsRow(2), 190, 26);
    place<QCheckBox>("chkAll", body, 306, settingsRow(2), 126, 26);
    // Case and normalization.
    place<QComboBox>("cboCase", body, 8, settingsRow(0), 260, 28);
    place<QComboBox>("cboForm", body, 8, settingsRow(0), 260, 28);
    // Width and kana, in two columns.
    for (std::size_t i = 0; i < model.chkWidth.size(); ++i) {
        const int column = static_cast<int>(i) / 4;
        const int row = static_cast<int>(i) % 4;
        place<QCheckBox>(controls::elementName("chkWidth", i),
                         body,
                         8 + column * 216,
                         kSettingsTop + row * 26,
                         212,
                         26);
    }
    // Insert and remove.
    field("lblText", "txtText", 0, 8, 120, 304);
    field("lblCount", "txtCount", 0, 8, 120, 64);
    field("lblPosition", "txtPosition", 1, 8, 120, 64);
    place<QComboBox>("cboCountFrom", body, 204, settingsRow(1), 120, 28);
    // Numbering.
    field("lblStart", "txtStart", 0, 8, 120, 90);
    field("lblStep", "txtStep", 0, 232, 50, 90);
    field("lblDigits", "txtDigits", 1, 8, 180, 64);
    // Date.
    place<QComboBox>("cboDateSource", body, 8, settingsRow(0), 300, 28);
    field("lblPattern", "txtPattern", 1, 8, 120, 200);
    // Where a number or a date goes, for both.
    place<QComboBox>("cboPlace", body, 8, settingsRow(2), 150, 28);
    field("lblSeparator", "txtSeparator", 2, 176, 80, 64);

    auto *fault = place<QLabel>("lblFault", body, 8, 304, 424, 56);
    fault->setWordWrap(true);
    fault->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fault->setStyleSheet(QStringLiteral("color: #b00000"));
    // Two lines, for the count of refused names beside the count of changes.
    place<QLabel>("lblSummary", body, 8, 366, 260, 42)->setWordWrap(true);
    place<QPushButton>("cmdRulesOK", body, 276, 372, 76, 30);
    place<QPushButton>("cmdRulesCancel", body, 356, 372, 76, 30);
    controls::setReadingTabOrder(body);
    m_bindings.bindAll(body, model.controlTable());
    m_bindings.window(this, model.window, *fit);
}

void RulesWindowView::reject()
{
    m_model.cmdRulesCancel_Click();
}

void RulesWindowView::closeEvent(QCloseEvent *event)
{
    m_model.Form_QueryUnload();
    event->accept();
}

} // namespace tavolin::renamewindow
