#include "rename/rename_scan.h"

#include "listing/get_file_list.h"
#include "listing/split_extension.h"

#include <unordered_set>

namespace tavolin::rename {

services::FsResult<RenameScan> scanForRenaming(services::FileSystem &fs,
                                               std::string_view pattern,
                                               order::FileOrder order,
                                               services::Progress *progress)
{
    std::vector<std::string> names;
    const auto enumerated = listing::GetFileList(
            fs, paths::FilePattern::parse(fs.pathStyle(), pattern), names, order, progress);
    if (!enumerated)
        return std::unexpected(enumerated.error());
    if (enumerated->stopped)
        return RenameScan{.end = services::WorkEnd::Stopped};

    RenameScan scan;
    scan.foundAny = enumerated->foundAny;
    scan.namesFound = static_cast<std::int64_t>(names.size()) - 1;
    scan.names.reserve(names.size());
    scan.bases.reserve(names.size());
    scan.extensions.reserve(names.size());
    std::unordered_set<std::string> seen;
    std::size_t done = 0;
    for (std::string &name : names) {
        if (progress && !progress->advance(done++, names.size() - 1))
            return RenameScan{.end = services::WorkEnd::Stopped};
        listing::NameParts parts = listing::SplitExtension(name);
        if (parts.base.empty())
            continue;
        if (!parts.extension.empty() && seen.insert(parts.extension).second)
            scan.distinctExtensions.push_back(parts.extension);
        scan.names.push_back(std::move(name));
        scan.bases.push_back(std::move(parts.base));
        scan.extensions.push_back(std::move(parts.extension));
    }
    return scan;
}

} // namespace tavolin::rename
