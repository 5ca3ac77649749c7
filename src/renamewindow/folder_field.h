#pragma once

#include "services/file_system.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavolin::renamewindow {

// What is wrong with the text of the rename window's folder field, if anything the scan could
// not make sense of: it must be a whole path from the root, and name a folder with the separator
// at its end (optionally followed by a file-name pattern). A folder that is missing or cannot be
// read is left for the scan to report.
std::optional<std::string> folderFieldProblem(std::string_view field, services::FileSystem &fs);

} // namespace tavolin::renamewindow
