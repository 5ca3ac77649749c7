#pragma once

#include "services/dialogs.h"
#include "services/fs_error.h"

#include <functional>
#include <string>
#include <string_view>

namespace tavolin::shared {

// A short Japanese explanation of a file-system failure, for the program's messages.
std::string describeFailure(const services::FsError &error);

// The message for a folder whose files cannot be listed.
std::string describeUnreadableFolder(std::string_view folder, const services::FsError &error);

// What a window does with a folder its folder list cannot open: shows `notReady` (the window's
// own words) for a medium that does not answer, otherwise which folder and why (no permission,
// removed).
std::function<void(std::string_view folder, const services::FsError &error)>
showUnopenableFolder(services::Dialogs &dialogs, std::string_view notReady);

// The row a folder or file list shows for a folder whose contents could not be read.
std::string describeUnlistedFolder(const services::FsError &error);

// The message for a listing that could not be written to `path`.
std::string describeUnsavedListing(std::string_view path, const services::FsError &error);

} // namespace tavolin::shared
