#pragma once

#include "text/growing_bytes.h"

#include <cstddef>
#include <memory>
#include <string_view>

namespace tavolin::text {

// The first `length` bytes of a text that its owner may go on extending at its end: whoever
// holds the prefix reads it through view() and sees these bytes as they were for as long as it
// holds them. Only the owner writes to `bytes`, and never to bytes that it handed out, so that
// keeping a text costs no copy.
struct TextPrefix
{
    std::shared_ptr<GrowingBytes> bytes;
    std::size_t length = 0;

    std::string_view view() const
    {
        return bytes ? bytes->view().substr(0, length) : std::string_view();
    }
};

} // namespace tavolin::text
