#include "paths/folder_path.h"

#include <algorithm>

namespace tavolin::paths {

FolderPath::FolderPath(const PathStyle &style, std::string_view written)
    : m_style(style)
{
    while (written.size() > 1 && written.back() == style.separator() && !style.isDriveRoot(written))
        written.remove_suffix(1);
    m_path = written;
}

std::string FolderPath::field() const
{
    return isRoot() ? m_path : m_path + m_style.separator();
}

std::string FolderPath::child(std::string_view name) const
{
    std::string path = m_path;
    if (path.empty() || path.back() != m_style.separator())
        path += m_style.separator();
    return path += name;
}

std::optional<FolderPath> FolderPath::parent() const
{
    const auto cut = m_path.rfind(m_style.separator());
    if (isRoot() || cut == std::string::npos)
        return std::nullopt;
    return FolderPath(m_style, m_path.substr(0, std::max(cut, m_style.rootLength() - 1) + 1));
}

std::string FolderPath::name() const
{
    if (isRoot())
        return {};
    return m_path.substr(m_path.rfind(m_style.separator()) + 1);
}

std::string absolutePath(const PathStyle &style, std::string_view base, std::string_view written)
{
    if (!style.driveRootOf(written).empty())
        return std::string(written);
    const char separator = style.separator();
    FolderPath folder(style, base);
    if (written.starts_with(separator)) // from the root of the base's drive (Windows only)
        return style.driveRootOf(base) + std::string(written.substr(1));
    for (;;) {
        const auto step = written.substr(0, written.find(separator));
        if (step != "." && step != "..")
            break;
        if (step == "..")
            folder = folder.parent().value_or(folder);
        written.remove_prefix(std::min(written.size(), step.size() + 1));
    }
    return written.empty() ? folder.field() : folder.child(written);
}

FilePattern FilePattern::parse(const PathStyle &style, std::string_view written)
{
    const auto cut = written.rfind(style.separator());
    if (cut == std::string_view::npos)
        return {FolderPath(style, {}), std::string(written)};
    return {FolderPath(style, written.substr(0, cut + 1)), std::string(written.substr(cut + 1))};
}

} // namespace tavolin::paths
