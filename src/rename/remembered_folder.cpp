#include "rename/remembered_folder.h"

namespace tavolin::rename {

RememberedFolder::RememberedFolder(std::unique_ptr<services::FolderView> folder)
    : m_folder(std::move(folder))
    , m_diskNames(m_folder->diskNames())
{}

std::optional<services::FileId> RememberedFolder::identify(std::string_view name)
{
    if (const auto known = m_identified.find(name); known != m_identified.end())
        return known->second;
    return m_identified.emplace(std::string(name), m_folder->identify(name)).first->second;
}

services::FsResult<std::vector<std::string>> RememberedFolder::names()
{
    if (!m_names)
        m_names = m_folder->names();
    return *m_names;
}

} // namespace tavolin::rename
