#include "listing/get_file_list.h"

#include "listing/folder_read.h"

namespace tavolin::listing {

services::FsResult<Enumerated> GetFileList(services::FileSystem &fs,
                                           const paths::FilePattern &pattern,
                                           std::vector<std::string> &names,
                                           order::FileOrder order,
                                           services::Progress *progress)
{
    names.assign(1, std::string());
    auto read = readFolder(fs, pattern, order, false, progress);
    if (!read)
        return std::unexpected(std::move(read.error()));
    if (read->end == services::WorkEnd::Stopped)
        return Enumerated{.end = services::WorkEnd::Stopped};
    names = std::move(read->names);
    names.emplace_back();
    return Enumerated{.foundAny = names.size() > 1};
}

} // namespace tavolin::listing
