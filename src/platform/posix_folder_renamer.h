#pragma once

#include "services/file_system.h"

#include <memory>
#include <string_view>

namespace tavolin::services::posix {

// The folder `folder` opened for renaming in it by names relative to it, with what its disk
// allows: the longest name, FAT's rules for names, and whether inode numbers last.
FsResult<std::unique_ptr<FolderRenamer>> openFolderRenamer(std::string_view folder);

} // namespace tavolin::services::posix
