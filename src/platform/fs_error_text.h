#pragma once

#include "platform/fs_error.h"

#include <string>

namespace tavolin::platform {

// A short Japanese explanation of a file-system failure, for the program's messages.
std::string describeFailure(const FsError &error);

} // namespace tavolin::platform
