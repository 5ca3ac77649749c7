#pragma once

#include "paths/name_pattern.h"
#include "services/file_system.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>

namespace tavolin::test {

// The calls of a folder open for renaming, each of which a test can make fail.
enum class Primitive { RenameNoReplace, Link, Unlink, RenameIfFree };

// An in-memory file system with Windows-style paths by default, so that tests
// can be written with paths such as D:\data. A folder holds its entries in the
// order they were added (a rename keeps the place, a new link comes last) and
// lists them the other way round, as tmpfs does, so that whatever forgets to put
// them in order shows it. Every change is written to log(). A folder opened for renaming holds no
// rule of the program's (which names are valid, how a case is changed): it records each call, and
// fails one when told to.
class FakeFileSystem : public services::FileSystem
{
    template<typename T>
    using Result = services::FsResult<T>;
    using Name = std::string_view;
    using Names = std::vector<std::string>;
    using Error = services::FsError;
    using enum services::FsErrorKind;
    using enum Primitive;

public:
    explicit FakeFileSystem(paths::PathStyle style = paths::PathStyle::windows())
        : m_style(style)
    {}

    const paths::PathStyle &pathStyle() const override { return m_style; }
    Result<Names> listFiles(const paths::FilePattern &pattern) override
    {
        Names names = listed(pattern.folder.path(), false);
        std::erase_if(names,
                      [&](Name n) { return !paths::matchesNamePattern(n, pattern.namePattern); });
        return ifUsable(pattern.folder.path(), std::move(names));
    }
    Result<void> checkFolder(const paths::FolderPath &f) override { return check(f.path()); }
    Result<Names> listFolders(const paths::FolderPath &folder) override
    {
        return ifUsable(folder.path(), listed(folder.path(), true));
    }
    std::optional<std::vector<services::FileFacts>>
    fileFacts(const paths::FolderPath &folder,
              std::span<const std::string> names,
              const std::function<bool(std::size_t)> &keepGoing) override
    {
        std::vector<services::FileFacts> facts;
        factsRead += names.size();
        for (const std::string &name : names) {
            if (!keepGoing(facts.size()))
                return std::nullopt;
            const Entry *entry = check(folder.path()) ? find(folder.path(), name) : nullptr;
            facts.push_back(entry && !entry->folder
                                    ? services::FileFacts{entry->size, entry->modified}
                                    : services::FileFacts{});
        }
        return facts;
    }
    Result<std::unique_ptr<services::FolderRenamer>>
    openForRenaming(const paths::FolderPath &folder) override
    {
        return ifUsable(folder.path(), std::make_unique<Renamer>(*this, key(folder.path())));
    }
    Result<void> createFolder(const paths::FolderPath &parent, Name name) override
    {
        const std::string path = parent.child(name);
        auto result = check(parent.path()) ? services::checkFileName(name, m_style)
                                           : check(parent.path());
        if (result && find(parent.path(), name))
            result = std::unexpected(Error{Exists, {}});
        if (!result)
            return result;
        addFolder(path);
        m_log.push_back("mkdir " + path);
        return result;
    }

    // Setting up. Folders are created with their parents; a file of size
    // kUnknownFileSize has facts that cannot be read (it vanished after being
    // listed, say). A file's time is `modified` seconds after 1970.
    void addFolder(Name path)
    {
        const paths::FolderPath folder(m_style, path);
        if (m_folders.try_emplace(folder.path()).second && folder.parent())
            add(folder.parent()->path(), folder.name(), 0, true);
    }
    void addFile(Name folder, Name name, std::int64_t size = 0, int modified = 0)
    {
        add(folder, name, size, false);
        m_entries.back().modified = services::FileTime(std::chrono::seconds(modified));
    }
    // Removes the folder `path` (with what it holds), as another program might.
    void removeFolder(Name path)
    {
        const std::string gone = key(path);
        std::erase_if(m_entries, [&](const Entry &entry) {
            return entry.parent.starts_with(gone)
                   || key(paths::FolderPath(m_style, entry.parent).child(entry.name)) == gone;
        });
        std::erase_if(m_folders,
                      [&](const auto &folder) { return folder.first.starts_with(gone); });
    }
    // Makes every operation on `folder` fail with `error` (a drive that is not
    // ready, say).
    void failFolder(Name folder, Error error)
    {
        addFolder(folder);
        m_folders[key(folder)] = std::move(error);
    }
    // Makes the next call of `primitive` (with `name`: the next one whose first
    // name is `name`) fail with `error` and change nothing.
    void failNext(Primitive primitive, Error error, std::string name = {})
    {
        m_failures.emplace_back(primitive, std::move(error), std::move(name));
    }
    // How many files' facts were asked for, over every call.
    std::size_t factsRead = 0;
    // Makes names match whatever their case, as on vfat: a rename to the same
    // name in another case then fails with Exists, since the target "exists".
    void setIgnoresCase(bool ignores) { m_ignoresCase = ignores; }
    // Makes the folders say which names their disk stores.
    void setDiskNames(services::DiskNames names) { m_diskNames = names; }

    // The names of the files in `folder` in the order they were added, whatever
    // the folder's failure.
    Names files(Name folder) const { return entries(folder, false); }
    const Names &log() const { return m_log; }

private:
    struct Entry
    {
        std::string name;
        std::int64_t size;
        services::FileTime modified;
        bool folder;
        std::uint64_t id;
        std::string parent; // the folder's path
    };

    struct Renamer final : services::FolderRenamer
    {
        Renamer(FakeFileSystem &fs, std::string path)
            : fs(fs)
            , path(std::move(path))
        {}
        const paths::PathStyle &pathStyle() const override { return fs.m_style; }
        std::size_t maxNameBytes() const override { return services::kMaxNameBytes; }
        services::DiskNames diskNames() const override { return fs.m_diskNames; }
        Result<void> renameNoReplace(Name a, Name b) override { return go(RenameNoReplace, a, b); }
        Result<void> link(Name a, Name b) override { return go(Link, a, b); }
        Result<void> renameIfFree(Name a, Name b) override { return go(RenameIfFree, a, b); }
        Result<void> unlink(Name name) override { return go(Unlink, name, {}); }
        bool sameFile(Name a, Name b) override
        {
            const Entry *first = fs.find(path, a), *second = fs.find(path, b);
            return first && second && first != second && first->id == second->id;
        }
        Result<void> go(Primitive call, Name a, Name b) { return fs.change(path, call, a, b); }
        // A second name that link gave shares its file's identity, as on the disk.
        std::optional<services::FileId> identify(Name name) override
        {
            const Entry *entry = fs.find(path, name);
            return entry ? std::optional(
                           services::FileId{services::FileId::Basis::Inode, 1, entry->id})
                         : std::nullopt;
        }
        Result<Names> names() override { return fs.entries(path, std::nullopt); }

        FakeFileSystem &fs;
        const std::string path;
    };

    std::string key(Name path) const { return paths::FolderPath(m_style, path).path(); }
    void add(Name path, Name name, std::int64_t size, bool folder)
    {
        addFolder(path);
        m_entries.push_back({std::string(name), size, {}, folder, ++m_lastId, key(path)});
    }
    // Whether the folder `path` may be used: it exists and was not made to fail.
    Result<void> check(Name path) const
    {
        const auto folder = m_folders.find(key(path));
        if (folder == m_folders.end())
            return std::unexpected(Error{isFile(path) ? NotAFolder : NotFound, {}});
        if (folder->second)
            return std::unexpected(*folder->second);
        return {};
    }
    bool isFile(Name path) const
    {
        const paths::FolderPath written(m_style, path);
        const auto parent = written.parent();
        return parent && std::ranges::count(entries(parent->path(), false), written.name()) > 0;
    }
    // `value`, taken from the folder `path`, if that may be used.
    template<typename T>
    Result<T> ifUsable(Name path, T value) const
    {
        const auto checked = check(path);
        return checked ? Result<T>(std::move(value)) : std::unexpected(checked.error());
    }
    // The entry `name` in the folder `path`, also under another case where case
    // is ignored.
    Entry *find(Name path, Name name)
    {
        const auto fold = [this](unsigned char c) {
            return m_ignoresCase ? std::tolower(c) : c;
        };
        const auto found = std::ranges::find_if(m_entries, [&, parent = key(path)](Entry &entry) {
            return entry.parent == parent && std::ranges::equal(entry.name, name, {}, fold, fold);
        });
        return found == m_entries.end() ? nullptr : &*found;
    }
    // The names of the folders, the files or both (nullopt) in `path`, in the order they were
    // added.
    Names entries(Name path, std::optional<bool> folders) const
    {
        Names names;
        const std::string parent = key(path);
        for (const Entry &entry : m_entries)
            if (entry.parent == parent && (!folders || entry.folder == *folders))
                names.push_back(entry.name);
        return names;
    }
    // The folders or files in `path` as the folder lists them.
    Names listed(Name path, bool folders) const
    {
        Names names = entries(path, folders);
        std::ranges::reverse(names);
        return names;
    }
    Result<void> change(const std::string &path, Primitive primitive, Name from, Name to)
    {
        auto result = check(path);
        const auto planned = std::ranges::find_if(m_failures, [&](const auto &failure) {
            const auto &[call, _, name] = failure;
            return call == primitive && (name.empty() || name == from);
        });
        if (result && planned != m_failures.end()) {
            result = std::unexpected(std::get<1>(*planned));
            m_failures.erase(planned);
        }
        Entry *source = find(path, from);
        if (result && !source)
            result = std::unexpected(Error{NotFound, {}});
        if (result && primitive != Unlink && find(path, to))
            result = std::unexpected(Error{Exists, {}});
        if (!result)
            return result;
        const char *const verbs[] = {"rename ", "link ", "unlink ", "rename-if-free "};
        m_log.push_back(verbs[static_cast<int>(primitive)] + source->name
                        + (primitive == Unlink ? "" : " " + std::string(to)));
        if (primitive == Link)
            m_entries.push_back(
                    {std::string(to), source->size, source->modified, false, source->id, path});
        else if (primitive == Unlink)
            m_entries.erase(m_entries.begin() + (source - m_entries.data()));
        else
            source->name = to;
        return result;
    }

    paths::PathStyle m_style;
    bool m_ignoresCase = false;
    services::DiskNames m_diskNames = services::DiskNames::Any;
    // Each folder, with the failure every operation on it meets.
    std::map<std::string, std::optional<Error>, std::less<>> m_folders;
    std::vector<Entry> m_entries; // of every folder, in the order they were added
    std::vector<std::tuple<Primitive, Error, std::string>> m_failures;
    std::uint64_t m_lastId = 0;
    Names m_log;
};

} // namespace tavolin::test
