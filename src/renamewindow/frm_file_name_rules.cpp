// The rename window's side of the rules window, and folders dropped on it.
#include "renamewindow/frm_file_name.h"

#include "shared/start_request.h"

namespace tavolin::renamewindow {

void FrmFileName::cmdRules_Click()
{
    if (!rules.isOpen()) {
        // What the preview shows must stay the plan for these files: no scan, no other
        // planning and no batch while it is open.
        m_heldForRules = {&Text1,
                          &cmdDialog,
                          &cmdStart,
                          &Command6,
                          &Command1,
                          &cmdUndo,
                          &Text3,
                          &Command2,
                          &Check1,
                          &Command3,
                          &Command4,
                          &Command5};
        for (controls::Control *control : m_heldForRules)
            control->holdDisabled();
        rules.Form_Load(scannedFolder());
    }
    rulesWindowRequested.emit();
}

void FrmFileName::folderDropped(std::string_view path)
{
    if (!Text1.enabled())
        return;
    const auto folder
            = shared::resolveFolder(m_services.fs, m_services.process.currentFolder(), path);
    if (!folder) {
        m_services.dialogs.showMessage(folder.error());
        return;
    }
    Text1.setText(paths::FolderPath(style(), *folder).field());
    cmdStart_Click();
}

void FrmFileName::releaseForRules()
{
    for (controls::Control *control : m_heldForRules)
        control->releaseDisabled();
    m_heldForRules.clear();
}

} // namespace tavolin::renamewindow
