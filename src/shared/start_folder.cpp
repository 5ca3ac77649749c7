#include "shared/start_folder.h"

namespace tavolin::shared {

std::string startFolder(services::ProcessServices &process, const paths::PathStyle &style)
{
    std::string folder = process.programFolder();
    if (style.isSystemFolder(folder) || !process.userMayWrite(folder))
        return process.homeFolder();
    return folder;
}

} // namespace tavolin::shared
