// The rename window's side of the rules window.
#include "renamewindow/frm_file_name.h"

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

void FrmFileName::releaseForRules()
{
    for (controls::Control *control : m_heldForRules)
        control->releaseDisabled();
    m_heldForRules.clear();
}

} // namespace tavolin::renamewindow
