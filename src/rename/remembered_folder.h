#pragma once

#include "services/file_system.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::rename {

// A folder's answers kept for planning the same batch again and again, as a preview does on
// every key: its names are read once and each name is identified once.
class RememberedFolder final : public services::FolderView
{
public:
    explicit RememberedFolder(std::unique_ptr<services::FolderView> folder);

    const paths::PathStyle &pathStyle() const override { return m_folder->pathStyle(); }
    std::size_t maxNameBytes() const override { return m_folder->maxNameBytes(); }
    services::DiskNames diskNames() const override { return m_diskNames; }
    std::optional<services::FileId> identify(std::string_view name) override;
    services::FsResult<std::vector<std::string>> names() override;

private:
    std::unique_ptr<services::FolderView> m_folder;
    services::DiskNames m_diskNames;
    std::map<std::string, std::optional<services::FileId>, std::less<>> m_identified;
    std::optional<services::FsResult<std::vector<std::string>>> m_names;
};

} // namespace tavolin::rename
