#include "renamewindow/rules_window_view.h"

#include "controls/qt/list_box_view.h"
#include "controls/qt/screen_fit.h"
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

constexpr int kHeight = 412;
constexpr int kSettingsTop = 200; // the first row of a step's settings
constexpr int kRow = 32;          // from one row of settings to the next

template<typename Widget>
Widget *place(const std::string &name, QWidget *parent, int x, int y, int width, int height)
{
    auto *widget = controls::makeControl<Widget>(name.c_str(), parent);
    widget->setGeometry(x, y, width, height);
    return widget;
}

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
    auto &b = m_bindings;

    b.listBox(place<controls::ListBoxView>("lstSteps", body, 8, 8, 260, 150), model.lstSteps);
    b.comboBox(place<QComboBox>("cboStepKind", body, 276, 8, 156, 28), model.cboStepKind);
    b.button(place<QPushButton>("cmdAddStep", body, 276, 42, 156, 28), model.cmdAddStep);
    b.button(place<QPushButton>("cmdRemoveStep", body, 276, 76, 156, 28), model.cmdRemoveStep);
    b.button(place<QPushButton>("cmdStepUp", body, 276, 110, 76, 28), model.cmdStepUp);
    b.button(place<QPushButton>("cmdStepDown", body, 356, 110, 76, 28), model.cmdStepDown);
    b.label(place<QLabel>("lblTarget", body, 8, 166, 60, 26), model.lblTarget);
    b.comboBox(place<QComboBox>("cboTarget", body, 72, 166, 196, 28), model.cboTarget);

    // A label in front of a field on one row of settings.
    const auto field = [&](const char *labelName,
                           controls::Label &label,
                           const char *fieldName,
                           controls::TextBox &text,
                           int row,
                           int x,
                           int labelWidth,
                           int fieldWidth) {
        b.label(place<QLabel>(labelName, body, x, settingsRow(row), labelWidth, 26), label);
        b.lineEdit(place<QLineEdit>(
                           fieldName, body, x + labelWidth + 4, settingsRow(row), fieldWidth, 26),
                   text);
    };
    // Replace.
    field("lblFind", model.lblFind, "txtFind", model.txtFind, 0, 8, 120, 304);
    field("lblReplace", model.lblReplace, "txtReplace", model.txtReplace, 1, 8, 120, 304);
    b.checkBox(place<QCheckBox>("chkRegex", body, 8, settingsRow(2), 100, 26), model.chkRegex);
    b.checkBox(place<QCheckBox>("chkMatchCase", body, 112, settingsRow(2), 190, 26),
               model.chkMatchCase);
    b.checkBox(place<QCheckBox>("chkAll", body, 306, settingsRow(2), 126, 26), model.chkAll);
    // Case and normalization.
    b.comboBox(place<QComboBox>("cboCase", body, 8, settingsRow(0), 260, 28), model.cboCase);
    b.comboBox(place<QComboBox>("cboForm", body, 8, settingsRow(0), 260, 28), model.cboForm);
    // Width and kana, in two columns.
    for (std::size_t i = 0; i < model.chkWidth.size(); ++i) {
        const int column = static_cast<int>(i) / 4;
        const int row = static_cast<int>(i) % 4;
        b.checkBox(place<QCheckBox>("chkWidth_" + std::to_string(i),
                                    body,
                                    8 + column * 216,
                                    kSettingsTop + row * 26,
                                    212,
                                    26),
                   model.chkWidth[i]);
    }
    // Insert and remove.
    field("lblText", model.lblText, "txtText", model.txtText, 0, 8, 120, 304);
    field("lblCount", model.lblCount, "txtCount", model.txtCount, 0, 8, 120, 64);
    field("lblPosition", model.lblPosition, "txtPosition", model.txtPosition, 1, 8, 120, 64);
    b.comboBox(place<QComboBox>("cboCountFrom", body, 204, settingsRow(1), 120, 28),
               model.cboCountFrom);
    // Numbering.
    field("lblStart", model.lblStart, "txtStart", model.txtStart, 0, 8, 120, 90);
    field("lblStep", model.lblStep, "txtStep", model.txtStep, 0, 232, 50, 90);
    field("lblDigits", model.lblDigits, "txtDigits", model.txtDigits, 1, 8, 180, 64);
    // Date.
    b.comboBox(place<QComboBox>("cboDateSource", body, 8, settingsRow(0), 300, 28),
               model.cboDateSource);
    field("lblPattern", model.lblPattern, "txtPattern", model.txtPattern, 1, 8, 120, 200);
    // Where a number or a date goes, for both.
    b.comboBox(place<QComboBox>("cboPlace", body, 8, settingsRow(2), 150, 28), model.cboPlace);
    field("lblSeparator", model.lblSeparator, "txtSeparator", model.txtSeparator, 2, 176, 80, 64);

    auto *fault = place<QLabel>("lblFault", body, 8, 304, 424, 56);
    fault->setWordWrap(true);
    fault->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fault->setStyleSheet(QStringLiteral("color: #b00000"));
    b.label(fault, model.lblFault);
    b.label(place<QLabel>("lblSummary", body, 8, 372, 260, 30), model.lblSummary);
    b.button(place<QPushButton>("cmdRulesOK", body, 276, 372, 76, 30), model.cmdRulesOK);
    b.button(place<QPushButton>("cmdRulesCancel", body, 356, 372, 76, 30), model.cmdRulesCancel);
    b.window(this, model.window, *fit);
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
