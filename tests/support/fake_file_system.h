#pragma once

#include "services/file_system.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavolin::test {

// An in-memory file system with Windows-style paths by default, so that tests can be written
// with paths such as D:\data. Folders keep their entries in the order they were added, which is
// the order listFiles delivers. Every change is written to log().
class FakeFileSystem : public services::FileSystem
{
public:
    explicit FakeFileSystem(paths::PathStyle style = paths::PathStyle::windows());

    const paths::PathStyle &pathStyle() const override { return m_style; }
    services::FsResult<std::vector<std::string>> listFiles(std::string_view pattern) override;
    services::FsResult<void> checkFolder(std::string_view folder) override;
    services::FsResult<std::vector<std::string>> listFolders(std::string_view folder) override;
    services::FsResult<std::int64_t> fileSize(std::string_view folder,
                                              std::string_view name) override;
    services::FsResult<std::unique_ptr<services::FolderRenamer>>
    openForRenaming(std::string_view folder) override;
    services::FsResult<void> createFolder(std::string_view parent, std::string_view name) override;

    // Setting up. Folders are created with their parents.
    void addFolder(std::string_view path);
    void addFile(std::string_view folder,
                 std::string_view name,
                 std::int64_t size = 0,
                 bool hidden = false);
    void removeFile(std::string_view folder, std::string_view name);
    // Makes every operation on `folder` fail with `error` (a drive that is not ready, say).
    void failFolder(std::string_view folder, services::FsError error);
    // Makes fileSize fail for one file (it vanished after being listed, say).
    void failSize(std::string_view folder, std::string_view name);

    // Makes names match whatever their case, as on vfat: a rename to the same name in another
    // case then fails with Exists, since the target "exists".
    void setIgnoresCase(bool ignores) { m_ignoresCase = ignores; }
    // Runs before each rename, so that a test can change the folder half-way through a batch.
    std::function<void(std::string_view from)> beforeRename;

    bool hasFolder(std::string_view path) const;
    // The names of the files in `folder`, in directory order.
    std::vector<std::string> files(std::string_view folder) const;
    const std::vector<std::string> &log() const { return m_log; }

private:
    struct Entry
    {
        std::string name;
        std::int64_t size = 0;
        bool hidden = false;
        bool folder = false;
        bool sizeFails = false;
    };
    struct Folder
    {
        std::vector<Entry> entries;
        std::map<std::string, std::size_t, std::less<>> indexByName;
        std::optional<services::FsError> failure;

        void add(Entry entry);
        void reindex();
    };

    std::string key(std::string_view folder) const;
    Folder *findFolder(std::string_view path);
    const Folder *findFolder(std::string_view path) const;
    Entry *findEntry(Folder &folder, std::string_view name);
    Entry *findEntryAnyCase(Folder &folder, std::string_view name);
    services::FsResult<void>
    rename(std::string_view folderPath, std::string_view from, std::string_view to);

    class Renamer;

    paths::PathStyle m_style;
    bool m_ignoresCase = false;
    std::map<std::string, Folder> m_folders;
    std::vector<std::string> m_log;
};

} // namespace tavolin::test
