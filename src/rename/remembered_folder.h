#pragma once

#include "services/file_system.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::rename {

// A folder's answers kept for planning the same batch again and again, as a preview does on
// every key: its names are read once and each name is identified once. It plans only: every
// call that would change the folder is refused with NotSupported.
class RememberedFolder final : public services::FolderRenamer
{
public:
    explicit RememberedFolder(std::unique_ptr<services::FolderRenamer> folder);

    const paths::PathStyle &pathStyle() const override { return m_folder->pathStyle(); }
    std::size_t maxNameBytes() const override { return m_folder->maxNameBytes(); }
    services::DiskNames diskNames() const override { return m_diskNames; }
    services::FsResult<void> renameNoReplace(std::string_view, std::string_view) override;
    services::FsResult<void> link(std::string_view, std::string_view) override;
    services::FsResult<void> renameIfFree(std::string_view, std::string_view) override;
    services::FsResult<void> unlink(std::string_view) override;
    bool sameFile(std::string_view, std::string_view) override { return false; }
    std::optional<services::FileId> identify(std::string_view name) override;
    services::FsResult<std::vector<std::string>> names() override;

private:
    std::unique_ptr<services::FolderRenamer> m_folder;
    services::DiskNames m_diskNames;
    std::map<std::string, std::optional<services::FileId>, std::less<>> m_identified;
    std::optional<services::FsResult<std::vector<std::string>>> m_names;
};

} // namespace tavolin::rename
