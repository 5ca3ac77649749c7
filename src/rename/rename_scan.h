#pragma once

#include "order/file_order.h"
#include "services/file_system.h"
#include "services/progress.h"
#include "services/work_end.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::rename {

// The files of a folder as the rename lists show them: row i is the i-th file, in the order the
// scan was asked for, whose base name is not empty (a name such as ".txt" gets no row).
struct RenameScan
{
    std::vector<std::string> names = {};      // current full names
    std::vector<std::string> bases = {};      // their base names
    std::vector<std::string> extensions = {}; // their extensions, with the dot, or empty
    // Each non-empty extension once, compared exactly (".txt" and ".TXT" differ), in the order
    // of first appearance.
    std::vector<std::string> distinctExtensions = {};
    std::int64_t namesFound = 0; // every name enumerated, also those that got no row
    // Done, or Stopped: the user stopped the scan, and nothing else here counts then.
    services::WorkEnd end = services::WorkEnd::Done;
};

// The folder is read once (see listing::readFolder), which tells `progress` how far it has come.
// Fails only when the folder cannot be read.
services::FsResult<RenameScan> scanForRenaming(services::FileSystem &fs,
                                               std::string_view pattern,
                                               order::FileOrder order,
                                               services::Progress *progress = nullptr);

} // namespace tavolin::rename
