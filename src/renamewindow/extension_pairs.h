#pragma once

#include <string>
#include <vector>

namespace tavolin::renamewindow {

// Applies the extension pairs to the extension column: pair by pair in row order, every row
// that equals the pair's extension exactly (case matters) gets its replacement. A later pair
// also matches what an earlier one wrote, so (.jpeg → .jpg) then (.jpg → .png) turns both into
// .png, and (.a → .b) then (.b → .a) turns both into .a. Empty rows never match, since no pair
// has an empty extension. Returns whether any row changed.
bool applyExtensionPairs(std::vector<std::string> &extensions,
                         const std::vector<std::string> &found,
                         const std::vector<std::string> &replacements);

} // namespace tavolin::renamewindow
