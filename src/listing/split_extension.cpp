#include "listing/split_extension.h"

#include "text/utf8.h"

namespace tavolin::listing {

namespace {

constexpr std::size_t kMaxCharactersAfterDot = 4;

// Characters (not bytes) in `text`, counting no further than `limit + 1`.
std::size_t countCharacters(std::string_view text, std::size_t limit)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size() && count <= limit; ++count)
        text::utf8::decodeNext(text, pos);
    return count;
}

} // namespace

std::size_t BaseLength(std::string_view name)
{
    // A "." byte never occurs inside a multi-byte character, so searching bytes is safe; the
    // characters after a dot are counted, not its bytes.
    for (std::size_t dot = name.rfind('.'); dot != std::string_view::npos;
         dot = dot == 0 ? std::string_view::npos : name.rfind('.', dot - 1)) {
        const std::size_t after = countCharacters(name.substr(dot + 1), kMaxCharactersAfterDot);
        if (after > kMaxCharactersAfterDot)
            break;
        if (after >= 1)
            return dot;
    }
    return name.size();
}

NameParts SplitExtension(std::string_view name)
{
    const std::size_t baseLength = BaseLength(name);
    return {std::string(name.substr(0, baseLength)), std::string(name.substr(baseLength))};
}

} // namespace tavolin::listing
