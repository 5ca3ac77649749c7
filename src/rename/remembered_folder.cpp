#include "rename/remembered_folder.h"

namespace tavolin::rename {

namespace {

services::FsResult<void> refused()
{
    return std::unexpected(
            services::FsError{services::FsErrorKind::NotSupported, "only planned here"});
}

} // namespace

RememberedFolder::RememberedFolder(std::unique_ptr<services::FolderRenamer> folder)
    : m_folder(std::move(folder))
    , m_diskNames(m_folder->diskNames())
{}

services::FsResult<void> RememberedFolder::renameNoReplace(std::string_view, std::string_view)
{
    return refused();
}

services::FsResult<void> RememberedFolder::link(std::string_view, std::string_view)
{
    return refused();
}

services::FsResult<void> RememberedFolder::renameIfFree(std::string_view, std::string_view)
{
    return refused();
}

services::FsResult<void> RememberedFolder::unlink(std::string_view)
{
    return refused();
}

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
