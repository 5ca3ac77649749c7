#pragma once

#include "services/file_system.h"

namespace tavolin::services {

// The file system of the machine, through POSIX calls.
class PosixFileSystem final : public FileSystem
{
public:
    const paths::PathStyle &pathStyle() const override { return m_style; }
    FsResult<std::vector<std::string>> listFiles(const paths::FilePattern &pattern) override;
    FsResult<void> checkFolder(const paths::FolderPath &folder) override;
    FsResult<std::vector<std::string>> listFolders(const paths::FolderPath &folder) override;
    // Reads several files' facts at once.
    std::optional<std::vector<FileFacts>>
    fileFacts(const paths::FolderPath &folder,
              std::span<const std::string> names,
              const std::function<bool(std::size_t done)> &keepGoing) override;
    FsResult<std::unique_ptr<FolderRenamer>>
    openForRenaming(const paths::FolderPath &folder) override;
    FsResult<void> createFolder(const paths::FolderPath &parent, std::string_view name) override;

private:
    paths::PathStyle m_style = paths::PathStyle::posix();
};

} // namespace tavolin::services
