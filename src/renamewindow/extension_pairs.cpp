#include "renamewindow/extension_pairs.h"

#include <algorithm>

namespace tavolin::renamewindow {

bool applyExtensionPairs(std::vector<std::string> &extensions,
                         const std::vector<std::string> &found,
                         const std::vector<std::string> &replacements)
{
    const std::size_t pairs = std::min(found.size(), replacements.size());
    bool changed = false;
    // Rows do not affect each other, so taking each row through all pairs in order gives what
    // taking each pair through all rows gives, with one pass over the rows.
    for (std::string &extension : extensions) {
        if (extension.empty())
            continue;
        for (std::size_t j = 0; j < pairs; ++j) {
            if (extension == found[j] && extension != replacements[j]) {
                extension = replacements[j];
                changed = true;
            }
        }
    }
    return changed;
}

} // namespace tavolin::renamewindow
