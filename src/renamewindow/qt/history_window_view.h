#pragma once

#include "controls/qt/control_bindings.h"
#include "renamewindow/frm_history.h"

#include <QDialog>

namespace tavolin::renamewindow {

// The history of batches on screen: a window of its own beside the program's others, the batches
// above and the selected batch's renames below. Each widget's objectName is its control's name.
class HistoryWindowView : public QDialog
{
public:
    explicit HistoryWindowView(FrmHistory &model, QWidget *parent = nullptr);

protected:
    void reject() override; // Escape is 閉じる
    void closeEvent(QCloseEvent *event) override;

private:
    FrmHistory &m_model;
    controls::Bindings m_bindings;
};

} // namespace tavolin::renamewindow
