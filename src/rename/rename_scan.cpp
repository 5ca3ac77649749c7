#include "rename/rename_scan.h"

#include "listing/folder_read.h"

#include <unordered_set>

namespace tavolin::rename {

services::FsResult<RenameScan> scanForRenaming(services::FileSystem &fs,
                                               std::string_view pattern,
                                               order::FileOrder order,
                                               services::Progress *progress)
{
    auto read = listing::readFolder(
            fs, paths::FilePattern::parse(fs.pathStyle(), pattern), order, false, progress);
    if (!read)
        return std::unexpected(read.error());
    if (read->end == services::WorkEnd::Stopped)
        return RenameScan{.end = services::WorkEnd::Stopped};

    const std::size_t count = read->names.size();
    RenameScan scan;
    scan.namesFound = static_cast<std::int64_t>(count);
    scan.names.reserve(count);
    scan.bases.reserve(count);
    scan.extensions.reserve(count);
    std::unordered_set<std::string_view> seen;
    for (std::size_t index = 0; index < count; ++index) {
        if (read->base(index).empty())
            continue;
        const std::string_view extension = read->extension(index);
        if (!extension.empty() && seen.insert(extension).second)
            scan.distinctExtensions.emplace_back(extension);
        scan.bases.emplace_back(read->base(index));
        scan.extensions.emplace_back(extension);
        scan.names.push_back(std::move(read->names[index]));
    }
    return scan;
}

} // namespace tavolin::rename
