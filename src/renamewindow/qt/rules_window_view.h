#pragma once

#include "controls/qt/control_bindings.h"
#include "renamewindow/frm_rules.h"

#include <QDialog>

namespace tavolin::renamewindow {

// The rules window on screen: a tool window of the rename window, which it stays in front of
// and which it never blocks. The settings of every kind of step stand in the same place below
// the list; the model shows those of the selected step. Each widget's objectName is its
// control's name.
class RulesWindowView : public QDialog
{
public:
    RulesWindowView(FrmRules &model, QWidget *parent);

protected:
    // Escape is キャンセル.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    FrmRules &m_model;
    controls::Bindings m_bindings;
};

} // namespace tavolin::renamewindow
