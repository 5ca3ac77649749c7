#pragma once

#include "paths/name_pattern.h"
#include "services/file_system.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <optional>
#include <ranges>
#include <tuple>

namespace tavolin::test {

// The calls of a folder open for renaming, each of which a test can make fail.
enum class Primitive { RenameNoReplace, Link, Unlink };

// An in-memory file system with Windows-style paths by default, so that tests can be written
// with paths such as D:\data. Folders deliver their entries in the order they were added (a
// rename keeps the place, a new link comes last). Every change is written to log(). A folder
// opened for renaming holds no rule of the program's (which names are valid, how a case is
// changed): it records each call, and fails one when told to.
class FakeFileSystem : public services::FileSystem
{
    template<typename T>
    using Result = services::FsResult<T>;
    using Name = std::string_view;
    using Names = std::vector<std::string>;

public:
    explicit FakeFileSystem(paths::PathStyle style = paths::PathStyle::windows())
        : m_style(style)
    {}

    const paths::PathStyle &pathStyle() const override { return m_style; }
    Result<Names> listFiles(const paths::FilePattern &pattern) override
    {
        return names(pattern.folder.path(), [&](const Entry &entry) {
            return !entry.folder && paths::matchesNamePattern(entry.name, pattern.namePattern);
        });
    }
    Result<void> checkFolder(Name path) override { return fail(path, {}).value_or(Result<void>{}); }
    Result<Names> listFolders(Name path) override
    {
        return names(path, [](const Entry &entry) { return entry.folder; });
    }
    Result<std::int64_t> fileSize(Name path, Name name) override
    {
        if (auto failure = fail(path, name))
            return std::unexpected(failure->error());
        const Entry &entry = *find(path, name);
        if (entry.folder || entry.size < 0)
            return error(services::FsErrorKind::NotFound);
        return entry.size;
    }
    Result<std::unique_ptr<services::FolderRenamer>> openForRenaming(Name path) override
    {
        if (auto failure = fail(path, {}))
            return std::unexpected(failure->error());
        return std::make_unique<Renamer>(*this, key(path));
    }
    Result<void> createFolder(Name parent, Name name) override
    {
        auto result = fail(parent, {}).value_or(services::checkFileName(name, m_style));
        if (result && find(parent, name))
            result = error(services::FsErrorKind::Exists);
        if (result)
            addFolder(paths::FolderPath(m_style, parent).child(name)),
                    m_log.push_back("mkdir " + paths::FolderPath(m_style, parent).child(name));
        return result;
    }

    // Setting up. Folders are created with their parents.
    void addFolder(Name path)
    {
        const std::string folder = key(path);
        const auto cut = folder.rfind(m_style.separator());
        if (m_folders.try_emplace(folder).second && !m_style.isDriveRoot(folder)
            && cut != folder.npos)
            add(key(folder.substr(0, cut + 1)), {folder.substr(cut + 1), 0, false, true});
    }
    void addFile(Name folder, Name name, std::int64_t size = 0, bool hidden = false)
    {
        add(folder, {std::string(name), size, hidden});
    }
    // Makes every operation on `folder` fail with `error` (a drive that is not ready, say).
    void failFolder(Name folder, services::FsError error)
    {
        addFolder(folder);
        m_folders[key(folder)].failure = std::move(error);
    }
    // Makes fileSize fail for one file (it vanished after being listed, say).
    void failSize(Name folder, Name name) { find(folder, name)->size = -1; }
    // Makes the next call of `primitive` (with `name`: the next one whose first name is `name`)
    // fail with `error` and change nothing.
    void failNext(Primitive primitive, services::FsError error, std::string name = {})
    {
        m_failures.emplace_back(primitive, std::move(error), std::move(name));
    }
    // Makes names match whatever their case, as on vfat: a rename to the same name in another
    // case then fails with Exists, since the target "exists".
    void setIgnoresCase(bool ignores) { m_ignoresCase = ignores; }
    // Runs before each call of a folder open for renaming, with the call's first name, so that a
    // test can change the folder at that moment.
    std::function<void(Name name)> beforeRename;

    bool hasFolder(Name path) const { return m_folders.contains(key(path)); }
    // The names of the files in `folder` (hidden ones too), in directory order.
    Names files(Name folder)
    {
        return names(
                       folder, [](const Entry &entry) { return !entry.folder; }, true)
                .value_or(Names{});
    }
    const Names &log() const { return m_log; }

private:
    struct Entry
    {
        std::string name;
        std::int64_t size = 0; // negative: fileSize fails
        bool hidden = false;
        bool folder = false;
    };
    // A folder's entries by place; the place of a name.
    // A folder's entries by their place in it, and the place of each name.
    struct Folder
    {
        std::map<long, Entry> entries;
        std::map<std::string, long, std::less<>> places;
        std::optional<services::FsError> failure;
    };

    class Renamer final : public services::FolderRenamer
    {
    public:
        Renamer(FakeFileSystem &fs, std::string path)
            : m_fs(fs)
            , m_path(std::move(path))
        {}
        const paths::PathStyle &pathStyle() const override { return m_fs.m_style; }
        std::size_t maxNameBytes() const override { return services::kMaxNameBytes; }
        Result<void> renameNoReplace(Name from, Name to) override { return call(Rename, from, to); }
        Result<void> link(Name from, Name to) override { return call(Primitive::Link, from, to); }
        Result<void> unlink(Name name) override { return call(Primitive::Unlink, name, {}); }
        Result<Names> names() override
        {
            return m_fs.names(
                    m_path, [](const Entry &) { return true; }, true);
        }
        // A file is its place in the folder: hard links are not told apart.
        std::optional<services::FileId> identify(Name name) override
        {
            const auto place = m_fs.placeOf(m_path, name);
            return place ? std::optional(services::FileId{1, static_cast<std::uint64_t>(*place)})
                         : std::nullopt;
        }

    private:
        static constexpr Primitive Rename = Primitive::RenameNoReplace;
        Result<void> call(Primitive primitive, Name from, Name to)
        {
            return m_fs.change(m_path, primitive, from, to);
        }

        FakeFileSystem &m_fs;
        std::string m_path;
    };

    static std::unexpected<services::FsError> error(services::FsErrorKind kind)
    {
        return std::unexpected(services::FsError{kind, {}});
    }
    std::string key(Name path) const { return paths::FolderPath(m_style, path).path(); }
    void add(Name path, Entry entry)
    {
        addFolder(path);
        Folder &folder = m_folders[key(path)];
        folder.places[entry.name] = ++m_lastPlace;
        folder.entries[m_lastPlace] = std::move(entry);
    }
    // The entry `name` in the folder `path`, also under another case where case is ignored.
    Entry *find(Name path, Name name)
    {
        const auto place = placeOf(path, name);
        return place ? &m_folders[key(path)].entries[*place] : nullptr;
    }
    std::optional<long> placeOf(Name path, Name name)
    {
        const auto folder = m_folders.find(key(path));
        if (folder == m_folders.end())
            return std::nullopt;
        auto &places = folder->second.places;
        const auto lower = [](unsigned char c) {
            return std::tolower(c);
        };
        auto place = places.find(name);
        if (place == places.end() && m_ignoresCase)
            place = std::ranges::find_if(places, [&](auto &p) {
                return std::ranges::equal(p.first, name, {}, lower, lower);
            });
        return place == places.end() ? std::nullopt : std::optional(place->second);
    }
    // Why a call on `name` in the folder `path` fails (a missing name only when `name` is given).
    std::optional<Result<void>> fail(Name path, Name name)
    {
        const auto folder = m_folders.find(key(path));
        if (folder == m_folders.end() || (!name.empty() && !find(path, name)))
            return error(services::FsErrorKind::NotFound);
        if (folder->second.failure)
            return std::unexpected(*folder->second.failure);
        return std::nullopt;
    }
    // The names of the entries that `keep` accepts, in directory order: as the system shows them,
    // or (`asSetUp`) hidden ones too and whatever the folder's failure.
    template<typename Keep>
    Result<Names> names(Name path, Keep keep, bool asSetUp = false)
    {
        const auto failure = fail(path, {});
        if (failure && !(asSetUp && m_folders.contains(key(path))))
            return std::unexpected(failure->error());
        Names names;
        for (const Entry &entry : std::views::values(m_folders[key(path)].entries)) {
            if (keep(entry) && (asSetUp || !entry.hidden))
                names.push_back(entry.name);
        }
        return names;
    }
    Result<void> change(Name path, Primitive primitive, Name from, Name to)
    {
        if (beforeRename)
            beforeRename(from);
        auto failure = fail(path, {});
        const auto planned = std::ranges::find_if(m_failures, [&](const auto &planned) {
            const auto &[which, error, name] = planned;
            return which == primitive && (name.empty() || name == from);
        });
        if (!failure && planned != m_failures.end()) {
            failure = std::unexpected(std::get<services::FsError>(*planned));
            m_failures.erase(planned);
        }
        if (!failure && !find(path, from))
            failure = error(services::FsErrorKind::NotFound);
        if (!failure && primitive != Primitive::Unlink && find(path, to))
            failure = error(services::FsErrorKind::Exists);
        if (failure)
            return *failure;
        Folder &folder = m_folders[key(path)];
        Entry &source = *find(path, from);
        const char *const verbs[] = {"rename ", "link ", "unlink "};
        m_log.push_back(verbs[static_cast<int>(primitive)] + source.name
                        + (primitive == Primitive::Unlink ? "" : " " + std::string(to)));
        if (primitive == Primitive::Link)
            return add(path, {std::string(to), source.size}), Result<void>{};
        const long place = folder.places.extract(source.name).mapped();
        if (primitive == Primitive::Unlink)
            folder.entries.erase(place);
        else
            folder.places[source.name.assign(to)] = place;
        return {};
    }

    paths::PathStyle m_style;
    bool m_ignoresCase = false;
    std::map<std::string, Folder, std::less<>> m_folders;
    std::vector<std::tuple<Primitive, services::FsError, std::string>> m_failures;
    long m_lastPlace = 0;
    Names m_log;
};

} // namespace tavolin::test
