#pragma once

#include "controls/qt/control_bindings.h"
#include "folderchooser/frm_dialog.h"

#include <QDialog>

namespace tavolin::folderchooser {

// The folder chooser on screen: a small window without minimise and maximise buttons, not
// modal and owned by no other window. Each widget's objectName is its control's name.
class FolderChooserView : public QDialog
{
public:
    explicit FolderChooserView(FrmDialog &model, QWidget *parent = nullptr);

protected:
    void reject() override { close(); } // Escape: as キャンセル, which delivers nothing
    void closeEvent(QCloseEvent *event) override;

private:
    controls::Bindings m_bindings;
};

} // namespace tavolin::folderchooser
