#include "support/fake_file_system.h"

#include "paths/name_pattern.h"

namespace tavolin::test {

using services::FsError;
using services::FsErrorKind;
using services::FsResult;

namespace {

std::unexpected<FsError> error(FsErrorKind kind, std::string detail = {})
{
    return std::unexpected(FsError{kind, std::move(detail)});
}

} // namespace

FakeFileSystem::FakeFileSystem(paths::PathStyle style)
    : m_style(style)
{}

std::string FakeFileSystem::key(std::string_view folder) const
{
    return m_style.withoutTrailingSeparator(folder);
}

FakeFileSystem::Folder *FakeFileSystem::findFolder(std::string_view path)
{
    const auto it = m_folders.find(key(path));
    return it == m_folders.end() ? nullptr : &it->second;
}

const FakeFileSystem::Folder *FakeFileSystem::findFolder(std::string_view path) const
{
    const auto it = m_folders.find(key(path));
    return it == m_folders.end() ? nullptr : &it->second;
}

namespace {

std::string lowered(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

} // namespace

FakeFileSystem::Entry *FakeFileSystem::findEntryAnyCase(Folder &folder, std::string_view name)
{
    if (Entry *exact = findEntry(folder, name); exact || !m_ignoresCase)
        return exact;
    for (Entry &entry : folder.entries) {
        if (lowered(entry.name) == lowered(name))
            return &entry;
    }
    return nullptr;
}

void FakeFileSystem::Folder::add(Entry entry)
{
    indexByName[entry.name] = entries.size();
    entries.push_back(std::move(entry));
}

void FakeFileSystem::Folder::reindex()
{
    indexByName.clear();
    for (std::size_t i = 0; i < entries.size(); ++i)
        indexByName[entries[i].name] = i;
}

FakeFileSystem::Entry *FakeFileSystem::findEntry(Folder &folder, std::string_view name)
{
    const auto it = folder.indexByName.find(name);
    return it == folder.indexByName.end() ? nullptr : &folder.entries[it->second];
}

FsResult<std::vector<std::string>> FakeFileSystem::listFiles(std::string_view pattern)
{
    const auto [folderPath, namePattern] = m_style.splitPattern(pattern);
    if (auto usable = checkFolder(folderPath); !usable)
        return std::unexpected(usable.error());
    std::vector<std::string> names;
    for (const Entry &entry : findFolder(folderPath)->entries) {
        if (!entry.folder && !entry.hidden && paths::matchesNamePattern(entry.name, namePattern))
            names.push_back(entry.name);
    }
    return names;
}

FsResult<void> FakeFileSystem::checkFolder(std::string_view folderPath)
{
    const Folder *folder = findFolder(folderPath);
    if (!folder)
        return error(FsErrorKind::NotFound, "no such folder");
    if (folder->failure)
        return std::unexpected(*folder->failure);
    return {};
}

FsResult<std::vector<std::string>> FakeFileSystem::listFolders(std::string_view folderPath)
{
    if (auto usable = checkFolder(folderPath); !usable)
        return std::unexpected(usable.error());
    std::vector<std::string> names;
    for (const Entry &entry : findFolder(folderPath)->entries) {
        if (entry.folder && !entry.hidden)
            names.push_back(entry.name);
    }
    return names;
}

FsResult<std::int64_t> FakeFileSystem::fileSize(std::string_view folderPath, std::string_view name)
{
    Folder *folder = findFolder(folderPath);
    if (!folder)
        return error(FsErrorKind::NotFound);
    if (folder->failure)
        return std::unexpected(*folder->failure);
    const Entry *entry = findEntry(*folder, name);
    if (!entry || entry->folder || entry->sizeFails)
        return error(FsErrorKind::NotFound);
    return entry->size;
}

class FakeFileSystem::Renamer final : public services::FolderRenamer
{
public:
    Renamer(FakeFileSystem &fs, std::string folder)
        : m_fs(fs)
        , m_folder(std::move(folder))
    {}

    FsResult<void> rename(std::string_view from, std::string_view to) override
    {
        return m_fs.rename(m_folder, from, to);
    }

    bool isSameFile(std::string_view first, std::string_view second) override
    {
        Folder *folder = m_fs.findFolder(m_folder);
        if (!folder)
            return false;
        const Entry *a = m_fs.findEntryAnyCase(*folder, first);
        return a && a == m_fs.findEntryAnyCase(*folder, second);
    }

private:
    FakeFileSystem &m_fs;
    std::string m_folder;
};

FsResult<std::unique_ptr<services::FolderRenamer>>
FakeFileSystem::openForRenaming(std::string_view folderPath)
{
    if (auto usable = checkFolder(folderPath); !usable)
        return std::unexpected(usable.error());
    return std::make_unique<Renamer>(*this, key(folderPath));
}

FsResult<void>
FakeFileSystem::rename(std::string_view folderPath, std::string_view from, std::string_view to)
{
    if (beforeRename)
        beforeRename(from);
    Folder *folder = findFolder(folderPath);
    if (!folder)
        return error(FsErrorKind::NotFound);
    if (folder->failure)
        return std::unexpected(*folder->failure);
    if (auto valid = services::checkFileName(from, m_style); !valid)
        return valid;
    if (auto valid = services::checkFileName(to, m_style); !valid)
        return valid;
    Entry *entry = findEntryAnyCase(*folder, from);
    if (!entry)
        return error(FsErrorKind::NotFound);
    if (findEntryAnyCase(*folder, to))
        return error(FsErrorKind::Exists);
    const std::string oldName = entry->name;
    const std::size_t index = folder->indexByName.find(oldName)->second;
    folder->indexByName.erase(folder->indexByName.find(oldName));
    folder->indexByName[std::string(to)] = index;
    entry->name = std::string(to);
    m_log.push_back("rename " + key(folderPath) + ": " + oldName + " -> " + std::string(to));
    return {};
}

FsResult<void> FakeFileSystem::createFolder(std::string_view parentPath, std::string_view name)
{
    Folder *parent = findFolder(parentPath);
    if (!parent)
        return error(FsErrorKind::NotFound);
    if (parent->failure)
        return std::unexpected(*parent->failure);
    if (auto valid = services::checkFileName(name, m_style); !valid)
        return valid;
    if (findEntry(*parent, name))
        return error(FsErrorKind::Exists);
    const std::string path = m_style.join(key(parentPath), name);
    addFolder(path);
    m_log.push_back("mkdir " + path);
    return {};
}

void FakeFileSystem::addFolder(std::string_view path)
{
    const std::string folder = key(path);
    if (m_folders.contains(folder))
        return;
    m_folders[folder];
    if (m_style.isDriveRoot(folder))
        return;
    const auto cut = folder.rfind(m_style.separator());
    if (cut == std::string::npos)
        return;
    const std::string parent = m_style.withoutTrailingSeparator(folder.substr(0, cut + 1));
    addFolder(parent);
    Folder &parentFolder = m_folders[parent];
    const std::string name = folder.substr(cut + 1);
    if (!findEntry(parentFolder, name))
        parentFolder.add(Entry{name, 0, false, true, false});
}

void FakeFileSystem::addFile(std::string_view folder,
                             std::string_view name,
                             std::int64_t size,
                             bool hidden)
{
    addFolder(folder);
    m_folders[key(folder)].add(Entry{std::string(name), size, hidden, false, false});
}

void FakeFileSystem::removeFile(std::string_view folder, std::string_view name)
{
    if (Folder *f = findFolder(folder)) {
        std::erase_if(f->entries, [&](const Entry &e) { return e.name == name; });
        f->reindex();
    }
}

void FakeFileSystem::failFolder(std::string_view folder, services::FsError failure)
{
    addFolder(folder);
    m_folders[key(folder)].failure = std::move(failure);
}

void FakeFileSystem::failSize(std::string_view folder, std::string_view name)
{
    if (Folder *f = findFolder(folder)) {
        if (Entry *entry = findEntry(*f, name))
            entry->sizeFails = true;
    }
}

bool FakeFileSystem::hasFolder(std::string_view path) const
{
    return findFolder(path) != nullptr;
}

std::vector<std::string> FakeFileSystem::files(std::string_view folder) const
{
    std::vector<std::string> names;
    if (const Folder *f = findFolder(folder)) {
        for (const Entry &entry : f->entries) {
            if (!entry.folder)
                names.push_back(entry.name);
        }
    }
    return names;
}

} // namespace tavolin::test
