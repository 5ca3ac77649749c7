#include "platform/qt/qt_drives.h"

#include "paths/path_style.h"
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

bool isSystemLocation(const std::string &root)
{
    const paths::PathStyle style = paths::PathStyle::native();
    if (style.isInside(root, "/run/media"))
        return false;
    return style.isInside(root, "/proc") || style.isInside(root, "/sys")
           || style.isInside(root, "/dev") || style.isInside(root, "/run");
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
        if (paths::PathStyle::native().isInside(path, drive.root)
            && drive.root.size() > best.size())
            best = drive.root;
    }
    return best;
}

} // namespace tavolin::services
