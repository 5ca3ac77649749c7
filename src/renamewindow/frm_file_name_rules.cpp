// The rename window's side of the rules window and of the history, and folders dropped on it or
// handed over.
#include "renamewindow/frm_file_name.h"

#include "rename/batch_history.h"
#include "shared/start_request.h"

namespace tavolin::renamewindow {

namespace {

std::string replacePlannedNamesQuestion(const std::string &folder)
{
    return folder + "\nを開くと、変更ファイル名で変えた名前は失われます。\n開きますか？";
}

} // namespace

void FrmFileName::cmdRules_Click()
{
    if (!rules.isOpen()) {
        // What the preview shows must stay the plan for these files: no scan, no other
        // planning and no batch while it is open.
        m_heldForRules = {&Text1,
                          &cmdDialog,
                          &cmdStart,
                          &Command6,
                          &cmdSheetOut,
                          &cmdSheetIn,
                          &cmdPasteSheet,
                          &Command1,
                          &cmdUndo,
                          &Text3,
                          &Command2,
                          &Check1,
                          &Command3,
                          &Command4,
                          &Command5,
                          &cmdHistory};
        for (controls::Control *control : m_heldForRules)
            control->holdDisabled();
        rules.Form_Load(scannedFolder());
    }
    rulesWindowRequested.emit();
}

void FrmFileName::cmdHistory_Click()
{
    historyRequested.emit();
}

void FrmFileName::folderRenamedElsewhere(std::string_view folder)
{
    if (m_scannedPattern.empty() || scannedFolder().path() != folder)
        return;
    if (Text1.text() == m_scannedPattern && Text1.enabled() && !plannedNamesChanged())
        cmdStart_Click();
    else
        cmdUndo.setEnabled(rename::lastUndoableBatch(m_services.journals, folder).has_value());
}

bool FrmFileName::folderDropped(std::string_view path)
{
    if (!Text1.enabled())
        return false;
    const auto folder
            = shared::resolveFolder(m_services.fs, m_services.process.currentFolder(), path);
    if (!folder) {
        m_services.dialogs.showMessage(folder.error());
        return false;
    }
    if (plannedNamesChanged()
        && m_services.dialogs.showMessage(replacePlannedNamesQuestion(*folder),
                                          services::kProgramName,
                                          services::MessageButtons::OkCancel,
                                          services::MessageIcon::Exclamation)
                   != services::MessageAnswer::Ok)
        return false;
    Text1.setText(paths::FolderPath(style(), *folder).field());
    cmdStart_Click();
    return true;
}

bool FrmFileName::plannedNamesChanged() const
{
    const std::vector<std::string> &names = List1.rows();
    const std::vector<std::string> &bases = List2[0].rows();
    const std::vector<std::string> &extensions = List2[1].rows();
    if (bases.size() != names.size() || extensions.size() != names.size())
        return true;
    for (std::size_t row = 0; row < names.size(); ++row) {
        const std::string &name = names[row];
        if (name.size() != bases[row].size() + extensions[row].size()
            || !name.starts_with(bases[row]) || !name.ends_with(extensions[row]))
            return true;
    }
    return false;
}

void FrmFileName::releaseForRules()
{
    for (controls::Control *control : m_heldForRules)
        control->releaseDisabled();
    m_heldForRules.clear();
}

} // namespace tavolin::renamewindow
