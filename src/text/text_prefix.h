#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tavolin::text {

// The first `length` bytes of a text that its owner may go on extending at its end: whoever
// holds the prefix sees these bytes as they were for as long as it holds them. The owner changes
// kept bytes only in a copy of its own, so that keeping a text costs nothing.
struct TextPrefix
{
    std::shared_ptr<const std::string> bytes;
    std::size_t length = 0;

    std::string_view view() const
    {
        return bytes ? std::string_view(*bytes).substr(0, length) : std::string_view();
    }
};

} // namespace tavolin::text
