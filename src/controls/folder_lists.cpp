#include "controls/folder_lists.h"

#include <algorithm>
#include <utility>

namespace tavolin::controls {

DriveList::DriveList(services::Drives &drives, std::string_view initialFolder)
    : m_drives(drives)
    , m_drive(drives.driveOf(initialFolder))
{
    rememberFolder(initialFolder);
}

void DriveList::setDrive(std::string_view path)
{
    pick(m_drives.driveOf(path));
}

void DriveList::pick(std::string_view root)
{
    if (root == m_drive)
        return;
    m_drive = std::string(root);
    changed.emit();
    appearanceChanged.emit();
}

bool DriveList::isMounted() const
{
    const std::vector<services::DriveInfo> drives = m_drives.list();
    return std::any_of(drives.begin(), drives.end(), [&](const services::DriveInfo &d) {
        return d.root == m_drive;
    });
}

std::string DriveList::currentFolder() const
{
    const auto it = m_folders.find(m_drive);
    return it == m_folders.end() ? m_drive : it->second;
}

void DriveList::rememberFolder(std::string_view folder)
{
    m_folders[m_drives.driveOf(folder)] = std::string(folder);
}

namespace {

// The folders inside `folder`, in name order, or why they cannot be read.
services::FsResult<std::vector<std::string>> subfoldersOf(services::FileSystem &fs,
                                                          const paths::FolderPath &folder)
{
    auto listed = fs.listFolders(folder);
    if (listed)
        order::sortByName(*listed);
    return listed;
}

} // namespace

FolderList::FolderList(services::FileSystem &fs,
                       std::string_view initialPath,
                       Background *background)
    : m_fs(fs)
    , m_folder(fs.pathStyle(), initialPath)
    , m_background(background)
{
    readSubfolders();
}

void FolderList::refresh()
{
    readSubfolders();
    announceContents();
}

void FolderList::readSubfolders()
{
    m_rows.clear();
    for (auto folder = std::optional(m_folder); folder; folder = folder->parent())
        m_rows.push_back({folder->path(), folder->isRoot() ? folder->path() : folder->name()});
    std::reverse(m_rows.begin(), m_rows.end());
    int depth = 0;
    for (FolderRow &row : m_rows)
        row.depth = depth++;
    m_error.reset();
    const unsigned reading = ++m_reads;
    if (!m_background) {
        showSubfolders(subfoldersOf(m_fs, m_folder));
        return;
    }
    m_reading = true;
    auto listed = std::make_shared<services::FsResult<std::vector<std::string>>>();
    m_background->run(
            [&fs = m_fs, folder = m_folder, listed] { *listed = subfoldersOf(fs, folder); },
            [this, alive = std::weak_ptr(m_alive), reading, listed] {
                if (alive.expired() || reading != m_reads)
                    return;
                m_reading = false;
                showSubfolders(std::move(*listed));
                announceContents();
            });
}

void FolderList::showSubfolders(services::FsResult<std::vector<std::string>> listed)
{
    m_error = listed ? std::nullopt : std::optional(listed.error());
    if (!listed)
        return;
    const int depth = static_cast<int>(m_rows.size());
    for (const std::string &name : *listed)
        m_rows.push_back({m_folder.child(name), name, depth, false});
}

void FolderList::announceContents()
{
    contentsChanged.emit();
    if (m_error)
        readFailed.emit(*m_error);
}

services::FsResult<void> FolderList::setPath(std::string_view path)
{
    paths::FolderPath folder(m_fs.pathStyle(), path);
    if (auto usable = m_fs.checkFolder(folder); !usable)
        return usable;
    if (folder == m_folder)
        return {};
    m_folder = std::move(folder);
    readSubfolders();
    changed.emit();
    announceContents();
    return {};
}

DriveFolderLink::DriveFolderLink(DriveList &drives,
                                 FolderList &folders,
                                 Unopened unopened,
                                 bool backOnFailure)
    : m_drives(drives)
    , m_folders(folders)
    , m_unopened(std::move(unopened))
    , m_backOnFailure(backOnFailure)
{
    drives.changed.connect([this] { driveChanged(); });
    folders.changed.connect([this] { m_drives.rememberFolder(m_folders.path()); });
}

bool DriveFolderLink::open(std::string_view folder)
{
    auto opened = m_folders.setPath(folder);
    if (opened)
        return true;
    m_unopened(folder, opened.error());
    if (opened.error().kind == services::FsErrorKind::NotFound)
        m_folders.refresh();
    return false;
}

void DriveFolderLink::driveChanged()
{
    if (!m_drives.isMounted())
        m_unopened(m_drives.drive(), {services::FsErrorKind::NotReady, {}});
    else if (open(m_drives.currentFolder()) || !m_backOnFailure)
        return;
    m_drives.setDrive(m_folders.path());
}

FileList::Read
FileList::read(services::FileSystem &fs, const paths::FolderPath &folder, order::FileOrder order)
{
    auto listed = order::readSortedFiles(fs, {folder, {}}, order, false);
    if (!listed)
        return {{}, listed.error()};
    return {text::PackedStrings(listed->names), std::nullopt};
}

void FileList::setPath(std::string_view folder)
{
    m_folder = paths::FolderPath(m_fs.pathStyle(), folder);
    const unsigned reading = ++m_reads;
    if (!m_background) {
        show(read(m_fs, m_folder, m_order));
        return;
    }
    // The names shown go at once, and are freed over there.
    auto result = std::make_shared<Read>(std::exchange(m_names, {}), std::nullopt);
    m_error.reset();
    m_reading = true;
    changed.emit();
    m_background->run(
            [&fs = m_fs, folder = m_folder, order = m_order, result] {
                result->names = {};
                *result = read(fs, folder, order);
            },
            [this, alive = std::weak_ptr(m_alive), reading, result] {
                if (alive.expired() || reading != m_reads)
                    return;
                m_reading = false;
                show(std::move(*result));
            });
}

void FileList::show(Read read)
{
    m_names = std::move(read.names);
    m_error = std::move(read.error);
    changed.emit();
    if (m_error)
        readFailed.emit(*m_error);
}

void FileList::setOrder(order::FileOrder order)
{
    if (order == m_order)
        return;
    m_order = order;
    setPath(m_folder.path());
}

} // namespace tavolin::controls
