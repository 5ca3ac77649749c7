#pragma once

#include "order/file_order.h"
#include "services/file_system.h"
#include "services/progress.h"
#include "services/work_end.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::listing {

// A folder's files read once: each name in the order asked for, where its extension begins,
// and what was read of it. The listing scan and the rename scan are written over it, and so is
// GetFileList.
struct FolderRead
{
    std::vector<std::string> names = {};
    // One per name, where the order needed them or they were asked for; else empty.
    std::vector<services::FileFacts> facts = {};
    std::vector<std::uint32_t> baseLengths = {}; // one per name: see BaseLength
    // Stopped: the user stopped the reading, and nothing else here counts; else Done.
    services::WorkEnd end = services::WorkEnd::Done;

    std::string_view base(std::size_t index) const
    {
        return std::string_view(names[index]).substr(0, baseLengths[index]);
    }
    std::string_view extension(std::size_t index) const
    {
        return std::string_view(names[index]).substr(baseLengths[index]);
    }
};

// Reads the ordinary files that `pattern` names, in `order`: the folder is enumerated once, each
// file's facts are read at most once (where the order needs them or `withFacts` asks for them),
// each name is split once, and the sorting reads nothing. Tells `progress` how far the facts are
// read, or, where none are, how many names are split. Fails with the error that kept the folder
// from being read.
services::FsResult<FolderRead> readFolder(services::FileSystem &fs,
                                          const paths::FilePattern &pattern,
                                          order::FileOrder order,
                                          bool withFacts,
                                          services::Progress *progress = nullptr);

} // namespace tavolin::listing
