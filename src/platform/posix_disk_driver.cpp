#include "platform/posix_disk_driver.h"

#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>

namespace tavolin::services::posix {

namespace {

// The type of the mount that holds the device `device`, as /proc/self/mountinfo says it ("ext4",
// "vfat", "fuse.fusefat", "fuseblk"...); empty when it cannot be told.
std::string mountType(dev_t device)
{
    std::ifstream mounts("/proc/self/mountinfo");
    const std::string wanted = std::to_string(major(device)) + ':' + std::to_string(minor(device));
    for (std::string line; std::getline(mounts, line);) {
        std::istringstream fields(line);
        std::string mountId, parentId, numbers;
        fields >> mountId >> parentId >> numbers;
        if (numbers != wanted)
            continue;
        // Optional fields end with a lone "-"; the type follows it.
        for (std::string field; fields >> field;) {
            if (field == "-") {
                std::string type;
                fields >> type;
                return type;
            }
        }
    }
    return {};
}

bool isFatFamily(std::string_view mountType)
{
    for (const std::string_view fat : {"vfat", "msdos", "exfat"}) {
        if (mountType == fat || mountType == "fuse." + std::string(fat)
            || mountType == "fuseblk." + std::string(fat))
            return true;
    }
    return false;
}

} // namespace

DiskDriver diskDriverOf(int folderFd)
{
    struct stat info
    {};
    struct statfs disk
    {};
    const std::string type = ::fstat(folderFd, &info) == 0 ? mountType(info.st_dev) : "";
    if (type == "fuse.fusefat")
        return {DiskNames::FatAsciiOnly, FileId::Basis::Content, true};
    const DiskNames names = isFatFamily(type) ? DiskNames::Fat : DiskNames::Any;
    // FUSE drivers number inodes as they meet names unless told otherwise (see FileId).
    const bool fuse = ::fstatfs(folderFd, &disk) == 0 && disk.f_type == FUSE_SUPER_MAGIC;
    return {names, fuse ? FileId::Basis::Facts : FileId::Basis::Inode, false};
}

} // namespace tavolin::services::posix
