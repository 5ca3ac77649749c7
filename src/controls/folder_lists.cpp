#include "controls/folder_lists.h"

#include <algorithm>

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

FolderList::FolderList(services::FileSystem &fs, std::string_view initialPath)
    : m_fs(fs)
    , m_path(fs.pathStyle().withoutTrailingSeparator(initialPath))
{}

services::FsResult<void> FolderList::setPath(std::string_view path)
{
    std::string folder = m_fs.pathStyle().withoutTrailingSeparator(path);
    if (auto usable = m_fs.checkFolder(folder); !usable)
        return usable;
    if (folder == m_path)
        return {};
    m_path = std::move(folder);
    changed.emit();
    contentsChanged.emit();
    return {};
}

std::vector<FolderRow> FolderList::rows() const
{
    const paths::PathStyle &style = m_fs.pathStyle();
    std::vector<FolderRow> rows;
    for (std::string folder = m_path; !folder.empty(); folder = style.parentOf(folder))
        rows.push_back({folder, style.isDriveRoot(folder) ? folder : style.lastComponent(folder)});
    std::reverse(rows.begin(), rows.end());
    int depth = 0;
    for (FolderRow &row : rows)
        row.depth = depth++;
    std::vector<std::string> names = m_fs.listFolders(m_path).value_or(std::vector<std::string>{});
    std::sort(names.begin(), names.end());
    for (std::string &name : names)
        rows.push_back({style.join(m_path, name), std::move(name), depth, false});
    return rows;
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
    if (!opened)
        m_unopened(folder, opened.error());
    return opened.has_value();
}

void DriveFolderLink::driveChanged()
{
    if (!m_drives.isMounted())
        m_unopened(m_drives.drive(), {services::FsErrorKind::NotReady, {}});
    else if (open(m_drives.currentFolder()) || !m_backOnFailure)
        return;
    m_drives.setDrive(m_folders.path());
}

void FileList::setPath(std::string_view folder)
{
    m_path = m_fs.pathStyle().withoutTrailingSeparator(folder);
    m_names = m_fs.listFiles(m_fs.pathStyle().pathField(m_path))
                      .value_or(std::vector<std::string>{});
    changed.emit();
}

} // namespace tavolin::controls
