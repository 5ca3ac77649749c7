#include "listing/get_file_list.h"

namespace tavolin::listing {

services::FsResult<bool> GetFileList(services::FileSystem &fs,
                                     const paths::FilePattern &pattern,
                                     std::vector<std::string> &names)
{
    names.assign(1, std::string());
    auto found = fs.listFiles(pattern);
    if (!found)
        return std::unexpected(std::move(found.error()));
    names = std::move(*found);
    names.emplace_back();
    return names.size() > 1;
}

} // namespace tavolin::listing
