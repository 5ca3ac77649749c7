#pragma once

#include <string>
#include <string_view>

namespace tavolin::services {

// The desktop's clipboard, for text other programs paste.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // Puts `text` (UTF-8, lines ended by LF) on the clipboard in place of what was there.
    virtual void setText(std::string_view text) = 0;
    // The text on the clipboard (UTF-8), empty when it holds none.
    virtual std::string text() const = 0;
};

} // namespace tavolin::services
