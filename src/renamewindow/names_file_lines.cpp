#include "renamewindow/names_file_lines.h"

#include "listing/split_extension.h"
#include "text/text_codec.h"
#include "text/utf8.h"

#include <algorithm>

namespace tavolin::renamewindow {

void keepUndecodedNames(std::vector<std::string> &lines, std::span<const std::string> current)
{
    for (std::size_t row = 0; row < std::min(lines.size(), current.size()); ++row) {
        std::string base = listing::SplitExtension(current[row]).base;
        if (!text::utf8::isValid(base) && text::cp932::decode(base) == lines[row])
            lines[row] = std::move(base);
    }
}

} // namespace tavolin::renamewindow
