#include "paths/path_style.h"

#include <algorithm>
#include <array>

namespace tavolin::paths {

PathStyle PathStyle::posix()
{
    return PathStyle(Kind::Posix, '/');
}

PathStyle PathStyle::windows()
{
    return PathStyle(Kind::Windows, '\\');
}

bool PathStyle::isDriveRoot(std::string_view folder) const
{
    if (m_kind == Kind::Posix)
        return folder == "/";
    return folder.size() == 3 && folder[1] == ':' && folder[2] == m_separator;
}

std::size_t PathStyle::rootLength() const
{
    return m_kind == Kind::Posix ? 1 : 3;
}

std::string PathStyle::driveRootOf(std::string_view path) const
{
    if (m_kind == Kind::Posix)
        return path.starts_with('/') ? "/" : "";
    if (path.size() >= 3 && path[1] == ':' && path[2] == m_separator)
        return std::string(path.substr(0, 3));
    return {};
}

bool PathStyle::isInside(std::string_view path, std::string_view folder) const
{
    return path.starts_with(folder)
           && (path.size() == folder.size() || folder.ends_with(m_separator)
               || path[folder.size()] == m_separator);
}

bool PathStyle::isSystemFolder(std::string_view folder) const
{
    // Folders that removable media or homes may lie under (/run/media, /var/home) are not here.
    static constexpr std::array<std::string_view, 11> posixFolders = {"/usr",
                                                                      "/bin",
                                                                      "/sbin",
                                                                      "/lib",
                                                                      "/lib32",
                                                                      "/lib64",
                                                                      "/libx32",
                                                                      "/opt",
                                                                      "/etc",
                                                                      "/boot",
                                                                      "/snap"};
    static constexpr std::array<std::string_view, 4> windowsFolders
            = {"Windows", "Program Files", "Program Files (x86)", "ProgramData"};
    const auto inside = [&](std::string_view parent) {
        return isInside(folder, parent);
    };
    if (m_kind == Kind::Posix)
        return std::any_of(posixFolders.begin(), posixFolders.end(), inside);
    const std::string root = driveRootOf(folder);
    return !root.empty()
           && std::any_of(windowsFolders.begin(), windowsFolders.end(), [&](auto name) {
                  return inside(root + std::string(name));
              });
}

} // namespace tavolin::paths
