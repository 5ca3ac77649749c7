#pragma once

#include "platform/fs_error.h"

#include <string>
#include <string_view>

namespace tavolin::platform {

// A short Japanese explanation of a file-system failure, for the program's messages.
std::string describeFailure(const FsError &error);

// The message for a folder whose files cannot be listed.
std::string describeUnreadableFolder(std::string_view folder, const FsError &error);

} // namespace tavolin::platform
