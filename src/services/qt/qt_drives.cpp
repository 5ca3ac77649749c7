#include "services/qt/qt_drives.h"

#include "text/qt/qt_strings.h"

#include <QStorageInfo>

#include <algorithm>
#include <array>

namespace tavolin::services {

namespace {

bool isPseudoFileSystem(const QByteArray &type)
{
    static const std::array<const char *, 20> pseudo = {
            "proc",      "sysfs",   "cgroup",      "cgroup2",  "devtmpfs", "devpts",    "mqueue",
            "debugfs",   "tracefs", "securityfs",  "pstore",   "bpf",      "configfs",  "fusectl",
            "hugetlbfs", "autofs",  "binfmt_misc", "efivarfs", "nsfs",     "rpc_pipefs"};
    return std::any_of(pseudo.begin(), pseudo.end(), [&](const char *t) { return type == t; });
}

bool isUnder(const std::string &path, std::string_view folder)
{
    return path == folder || (path.starts_with(folder) && path[folder.size()] == '/');
}

bool isSystemLocation(const std::string &root)
{
    if (isUnder(root, "/run/media"))
        return false;
    return isUnder(root, "/proc") || isUnder(root, "/sys") || isUnder(root, "/dev")
           || isUnder(root, "/run");
}

bool contains(const std::string &root, std::string_view path)
{
    if (root == "/")
        return path.starts_with('/');
    return path == root
           || (path.starts_with(root) && path.size() > root.size() && path[root.size()] == '/');
}

} // namespace

std::vector<DriveInfo> QtDrives::list()
{
    std::vector<DriveInfo> drives;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const std::string root = text::fromQString(volume.rootPath());
        if (!volume.isValid() || isPseudoFileSystem(volume.fileSystemType())
            || isSystemLocation(root))
            continue;
        if (std::any_of(drives.begin(), drives.end(), [&](const DriveInfo &d) {
                return d.root == root;
            }))
            continue;
        drives.push_back({root, text::fromQString(volume.displayName())});
    }
    std::sort(drives.begin(), drives.end(), [](const DriveInfo &a, const DriveInfo &b) {
        return a.root < b.root;
    });
    return drives;
}

std::string QtDrives::driveOf(std::string_view path)
{
    std::string best = "/";
    for (const DriveInfo &drive : list()) {
        if (contains(drive.root, path) && drive.root.size() > best.size())
            best = drive.root;
    }
    return best;
}

} // namespace tavolin::services
