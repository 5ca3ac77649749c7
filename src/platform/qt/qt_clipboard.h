#pragma once

#include "services/clipboard.h"

namespace tavolin::services {

// The clipboard through Qt: the text with its line breaks, so that it pastes as lines; bytes of a
// name that are not UTF-8 go as the stand-ins the windows show, since the clipboard carries
// Unicode text only.
class QtClipboard final : public Clipboard
{
public:
    void setText(std::string_view text) override;
    std::string text() const override;
};

} // namespace tavolin::services
