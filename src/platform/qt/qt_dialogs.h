#pragma once

#include "services/dialogs.h"

#include <QString>

namespace tavolin::services {

// Message boxes, Qt's own file dialogs and the input box, modal over the active window, each
// inside the screen's available area. A file dialog opens in the folder of the last file chosen
// through one in this run (before that, where Qt opens it), and a file to save whose name was
// typed without an extension gets the one of the file type chosen.
class QtDialogs final : public Dialogs
{
public:
    MessageAnswer showMessage(std::string_view text,
                              std::string_view title,
                              MessageButtons buttons,
                              MessageIcon icon) override;
    std::optional<SaveChoice> askSaveFileName(const FileDialogSettings &settings) override;
    std::optional<std::string> askOpenFileName(const FileDialogSettings &settings) override;
    std::string askText(std::string_view prompt, std::string_view title) override;

private:
    std::optional<SaveChoice> askFileName(const FileDialogSettings &settings, bool save);

    QString m_lastFolder; // empty until a file was chosen
};

} // namespace tavolin::services
