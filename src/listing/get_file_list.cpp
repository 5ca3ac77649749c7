#include "listing/get_file_list.h"

namespace tavolin::listing {

services::FsResult<Enumerated> GetFileList(services::FileSystem &fs,
                                           const paths::FilePattern &pattern,
                                           std::vector<std::string> &names,
                                           order::FileOrder order,
                                           services::Progress *progress)
{
    names.assign(1, std::string());
    auto found = order::readSortedFiles(fs, pattern, order, false, progress);
    if (!found)
        return std::unexpected(std::move(found.error()));
    if (found->stopped)
        return Enumerated{.stopped = true};
    names = std::move(found->names);
    names.emplace_back();
    return Enumerated{.foundAny = names.size() > 1};
}

} // namespace tavolin::listing
