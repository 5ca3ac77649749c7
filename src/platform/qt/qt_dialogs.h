#pragma once

#include "services/dialogs.h"

namespace tavolin::services {

// Message boxes, Qt's own file dialogs and the input box, modal over the active window.
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
};

} // namespace tavolin::services
