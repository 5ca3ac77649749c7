#include "platform/process.h"

namespace tavolin::platform {

std::string startFolder(ProcessServices &process, const PathStyle &style)
{
    std::string folder = process.programFolder();
    if (style.isSystemFolder(folder) || !process.userMayWrite(folder))
        return process.homeFolder();
    return folder;
}

} // namespace tavolin::platform
