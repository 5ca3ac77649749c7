#include "shared/start_request.h"

#include "paths/folder_path.h"
#include "shared/fs_error_text.h"

namespace tavolin::shared {

std::expected<StartRequest, std::string> parseStartArguments(std::span<const std::string> args)
{
    for (const std::string &arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help")
            return StartRequest{std::nullopt, false, true};
    }
    StartRequest request;
    bool options = true;
    for (const std::string &arg : args) {
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--rename") {
            request.rename = true;
        } else if ((options && arg.starts_with('-')) || request.folder || arg.empty()) {
            return std::unexpected(std::string(kUsage));
        } else {
            request.folder = arg;
        }
    }
    return request;
}

std::expected<std::string, std::string>
resolveFolder(services::FileSystem &fs, std::string_view base, std::string_view written)
{
    const paths::PathStyle &style = fs.pathStyle();
    const paths::FolderPath folder(style, paths::absolutePath(style, base, written));
    auto opened = fs.checkFolder(folder);
    if (opened)
        return folder.path();
    // A file stands for the folder it lies in, as the file manager hands over a selected file.
    if (opened.error().kind == services::FsErrorKind::NotAFolder && folder.parent()
        && fs.checkFolder(*folder.parent()))
        return folder.parent()->path();
    return std::unexpected(describeUnreadableFolder(folder.path(), opened.error()));
}

} // namespace tavolin::shared
