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

std::string PathStyle::pathField(std::string_view folder) const
{
    std::string field(folder);
    if (!isDriveRoot(folder))
        field += m_separator;
    return field;
}

std::string PathStyle::withoutTrailingSeparator(std::string_view folder) const
{
    while (folder.size() > 1 && folder.back() == m_separator && !isDriveRoot(folder))
        folder.remove_suffix(1);
    return std::string(folder);
}

std::string PathStyle::join(std::string_view folder, std::string_view name) const
{
    std::string path(folder);
    if (path.empty() || path.back() != m_separator)
        path += m_separator;
    path += name;
    return path;
}

PathStyle::SplitPattern PathStyle::splitPattern(std::string_view pattern) const
{
    const auto cut = pattern.rfind(m_separator);
    if (cut == std::string_view::npos)
        return {std::string(), std::string(pattern)};
    return {std::string(pattern.substr(0, cut + 1)), std::string(pattern.substr(cut + 1))};
}

std::string PathStyle::parentOf(std::string_view folder) const
{
    const std::string path = withoutTrailingSeparator(folder);
    if (isDriveRoot(path))
        return {};
    const auto cut = path.rfind(m_separator);
    if (cut == std::string::npos)
        return {};
    return withoutTrailingSeparator(path.substr(0, std::max(cut, rootLength() - 1) + 1));
}

std::string PathStyle::lastComponent(std::string_view folder) const
{
    if (folder.size() <= rootLength())
        return {};
    folder.remove_prefix(rootLength());
    const auto cut = folder.rfind(m_separator);
    return std::string(cut == std::string_view::npos ? folder : folder.substr(cut + 1));
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
