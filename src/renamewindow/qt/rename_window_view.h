#pragma once

#include "controls/qt/control_bindings.h"
#include "renamewindow/frm_file_name.h"

#include <QDialog>
#include <QPointer>

#include <initializer_list>
#include <utility>
#include <vector>

namespace tavolin::renamewindow {

// The rename window on screen. Its controls stand where the model's two widths expect them:
// the extension panel lies just beyond the narrow width, so narrowing the window hides it.
// Each widget's objectName is its control's name.
class RenameWindowView : public QDialog
{
public:
    explicit RenameWindowView(FrmFileName &model, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Escape must not close the window and lose the planned names.
    void reject() override {}
    void closeEvent(QCloseEvent *event) override;

private:
    bool onBareBody(QEvent *event) const;
    void showRules();
    static std::vector<std::pair<QWidget *, Qt::FocusPolicy>>
    focusPolicies(std::initializer_list<QWidget *> widgets);

    FrmFileName &m_model;
    QWidget *m_body = nullptr;
    controls::Bindings m_bindings;
    controls::Connection m_panelReach;
    controls::Connection m_rulesShown;
    QPointer<QDialog> m_rulesView;
};

} // namespace tavolin::renamewindow
