#include "listing/folder_read.h"

#include "listing/split_extension.h"

namespace tavolin::listing {

services::FsResult<FolderRead> readFolder(services::FileSystem &fs,
                                          const paths::FilePattern &pattern,
                                          order::FileOrder order,
                                          bool withFacts,
                                          services::Progress *progress)
{
    auto sorted = order::readSortedFiles(fs, pattern, order, withFacts, progress);
    if (!sorted)
        return std::unexpected(std::move(sorted.error()));
    if (sorted->end == services::WorkEnd::Stopped)
        return FolderRead{.end = services::WorkEnd::Stopped};
    FolderRead read{.names = std::move(sorted->names), .facts = std::move(sorted->facts)};
    // Where the facts were read, their reading was the long part and told the progress.
    const bool tellProgress = progress && read.facts.empty();
    read.baseLengths.reserve(read.names.size());
    for (const std::string &name : read.names) {
        if (tellProgress && !progress->advance(read.baseLengths.size(), read.names.size()))
            return FolderRead{.end = services::WorkEnd::Stopped};
        read.baseLengths.push_back(static_cast<std::uint32_t>(BaseLength(name)));
    }
    return read;
}

} // namespace tavolin::listing
