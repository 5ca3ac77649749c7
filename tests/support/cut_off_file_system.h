#pragma once

#include "services/file_system.h"

#include <memory>
#include <string>
#include <vector>

namespace tavolin::test {

// A file system as another one is, but that the change `cutAt` (0: the first; never when less) of a
// folder open for renaming throws Cut instead of being made, as a kill leaves the disk. With
// `throughLinks` it renames as a disk without the no-replace rename does: by a second name and the
// removal of the first, so that a cut may come between the two.
class CutOffFileSystem final : public services::FileSystem
{
    template<typename T>
    using Result = services::FsResult<T>;
    using Names = std::vector<std::string>;

public:
    struct Cut
    {};

    CutOffFileSystem(services::FileSystem &fs, int cutAt, bool throughLinks)
        : m_fs(fs)
        , m_cutIn(cutAt)
        , m_throughLinks(throughLinks)
    {}
    const paths::PathStyle &pathStyle() const override { return m_fs.pathStyle(); }
    Result<Names> listFiles(const paths::FilePattern &p) override { return m_fs.listFiles(p); }
    Result<void> checkFolder(const paths::FolderPath &f) override { return m_fs.checkFolder(f); }
    Result<Names> listFolders(const paths::FolderPath &f) override { return m_fs.listFolders(f); }
    std::optional<std::vector<services::FileFacts>>
    fileFacts(const paths::FolderPath &f,
              std::span<const std::string> names,
              const std::function<bool(std::size_t)> &keepGoing) override
    {
        return m_fs.fileFacts(f, names, keepGoing);
    }
    Result<void> createFolder(const paths::FolderPath &f, std::string_view name) override
    {
        return m_fs.createFolder(f, name);
    }
    Result<std::unique_ptr<services::FolderRenamer>>
    openForRenaming(const paths::FolderPath &folder) override
    {
        auto opened = m_fs.openForRenaming(folder);
        if (!opened)
            return opened;
        return std::make_unique<Renamer>(std::move(*opened), *this);
    }

private:
    struct Renamer final : services::FolderRenamer
    {
        using Name = std::string_view;
        Renamer(std::unique_ptr<services::FolderRenamer> folder, CutOffFileSystem &fs)
            : folder(std::move(folder))
            , fs(fs)
        {}
        const paths::PathStyle &pathStyle() const override { return folder->pathStyle(); }
        std::size_t maxNameBytes() const override { return folder->maxNameBytes(); }
        services::DiskNames diskNames() const override { return folder->diskNames(); }
        Result<void> renameNoReplace(Name a, Name b) override
        {
            if (fs.m_throughLinks)
                return std::unexpected(services::FsError{services::FsErrorKind::NotSupported, {}});
            return change(), folder->renameNoReplace(a, b);
        }
        Result<void> link(Name a, Name b) override { return change(), folder->link(a, b); }
        Result<void> renameIfFree(Name a, Name b) override
        {
            return change(), folder->renameIfFree(a, b);
        }
        Result<void> unlink(Name name) override { return change(), folder->unlink(name); }
        bool sameFile(Name a, Name b) override { return folder->sameFile(a, b); }
        std::optional<services::FileId> identify(Name n) override { return folder->identify(n); }
        Result<Names> names() override { return folder->names(); }
        void change()
        {
            if (fs.m_cutIn >= 0 && fs.m_cutIn-- == 0)
                throw Cut{};
        }

        std::unique_ptr<services::FolderRenamer> folder;
        CutOffFileSystem &fs;
    };

    services::FileSystem &m_fs;
    int m_cutIn;
    bool m_throughLinks;
};

// Runs `work` over `fs` cut off before its change `cutAt`, renaming as a disk without the
// no-replace rename does where `throughLinks`; whether it was cut off.
template<typename Work>
bool cutOff(services::FileSystem &fs, int cutAt, bool throughLinks, Work work)
{
    CutOffFileSystem disk(fs, cutAt, throughLinks);
    try {
        work(disk);
    } catch (const CutOffFileSystem::Cut &) {
        return true;
    }
    return false;
}

} // namespace tavolin::test
