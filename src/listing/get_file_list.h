#pragma once

#include "services/file_system.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// Fills `names` with the ordinary files that `pattern` names, in directory order, followed by one
// empty slot: N names give N + 1 slots, so names.size() - 1 is the number found. Whatever
// `names` held before is replaced. Returns whether any name was found, or the error that kept
// the folder from being read (then `names` holds only the empty slot).
services::FsResult<bool> GetFileList(services::FileSystem &fs,
                                     const paths::FilePattern &pattern,
                                     std::vector<std::string> &names);

} // namespace tavolin::listing
