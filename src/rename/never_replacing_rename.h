#pragma once

#include "services/file_system.h"

#include <string_view>

namespace tavolin::rename {

// Gives the file `from` the name `to` in the folder that `folder` holds open, and never replaces
// a file, whatever appears in the folder meanwhile.
//
// Fails with InvalidName or HiddenName, before the folder is touched, when either name is not one
// that checkFileName accepts in that folder; with Exists when `to` is another file's name; with
// NotFound when `from` is missing; otherwise with the reason the system gave. On failure the file
// still has the name `from` and no other, with one exception: a change of case only on a file
// system that ignores case goes through a visible temporary name "tavolin-rename-N.tmp" in the
// same folder, and should both the step from there to `to` and the step back to `from` fail, the
// file keeps the temporary name.
services::FsResult<void>
renameNeverReplacing(services::FolderRenamer &folder, std::string_view from, std::string_view to);

} // namespace tavolin::rename
