#pragma once

#include <string_view>

namespace tavolin::paths {

// Whether a file name matches a file-name pattern in which "*" stands for any run of characters
// and "?" for exactly one. Letters match whatever their case, and "*.*" matches every name (also
// one without a dot), as on the desktop systems whose users the program serves. An empty pattern
// matches every name.
bool matchesNamePattern(std::string_view name, std::string_view pattern);

} // namespace tavolin::paths
