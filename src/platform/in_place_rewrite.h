#pragma once

#include "services/fs_error.h"

#include <string>
#include <string_view>

namespace tavolin::services {

// Writes `bytes` into the existing regular file `target` itself, so that it stays the same file:
// its owner, group, mode, other links and extended attributes stay as they are. For that it
// needs no right in the file's folder, only to write the file.
//
// The old content is first copied, and the copy synced, beside the file when `besideIt`
// (the folder may be written), else into the user's cache folder: $XDG_CACHE_HOME/tavolin, or
// ~/.cache/tavolin, made (0700) when missing. A rewrite that fails part-way puts the old content
// back from the copy; only if that fails too is the copy kept, and the error's detail says where
// it is. A failure before the rewrite (the file may not be written, no copy can be made) changes
// nothing.
FsResult<void> rewriteInPlace(const std::string &target, std::string_view bytes, bool besideIt);

} // namespace tavolin::services
