#include "platform/posix_folder_renamer.h"

#include "platform/posix_folder_walk.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/magic.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
    return mountType == "fuse.fusefat";
}

class PosixFolderRenamer final : public FolderRenamer
{
public:
    PosixFolderRenamer(int fd, std::size_t nameLimit, bool fatNames, bool lastingInodes)
        : m_fd(fd)
        , m_maxNameBytes(nameLimit)
        , m_fatNames(fatNames)
        , m_lastingInodes(lastingInodes)
    {}
    ~PosixFolderRenamer() override { ::close(m_fd); }
    PosixFolderRenamer(const PosixFolderRenamer &) = delete;
    PosixFolderRenamer &operator=(const PosixFolderRenamer &) = delete;

    const paths::PathStyle &pathStyle() const override { return m_style; }
    std::size_t maxNameBytes() const override { return m_maxNameBytes; }
    bool fatNames() const override { return m_fatNames; }

    FsResult<void> renameNoReplace(std::string_view from, std::string_view to) override
    {
        const std::string source(from);
        const std::string target(to);
        if (::renameat2(m_fd, source.c_str(), m_fd, target.c_str(), RENAME_NOREPLACE) == 0)
            return {};
        // A file system that does not know the flag answers EINVAL (a kernel without the call,
        // ENOSYS, which is NotSupported anyway). Without the flag a rename could replace a file,
        // so it is not tried.
        if (errno == EINVAL)
            return std::unexpected(FsError{FsErrorKind::NotSupported, std::strerror(errno)});
        return lastError();
    }

    FsResult<void> link(std::string_view from, std::string_view to) override
    {
        if (::linkat(m_fd, std::string(from).c_str(), m_fd, std::string(to).c_str(), 0) == 0)
            return {};
        // How disks without second names answer: FAT-family ones EPERM (also through FUSE),
        // others EOPNOTSUPP, EMLINK or EXDEV.
        if (errno == EPERM || errno == EOPNOTSUPP || errno == EMLINK || errno == EXDEV)
            return std::unexpected(FsError{FsErrorKind::NotSupported, std::strerror(errno)});
        return lastError();
    }

    FsResult<void> renameIfFree(std::string_view from, std::string_view to) override
    {
        const std::string source(from);
        const std::string target(to);
        struct stat info
        {};
        if (::fstatat(m_fd, target.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            return std::unexpected(FsError{FsErrorKind::Exists, {}});
        if (errno != ENOENT)
            return lastError();
        if (::renameat(m_fd, source.c_str(), m_fd, target.c_str()) == 0)
            return {};
        const int error = errno;
        // The FUSE driver of exFAT answers a name it cannot hold with ENOENT, the kernel's
        // drivers with EINVAL; the file is still there under its old name.
        if (error == EINVAL
            || (error == ENOENT
                && ::fstatat(m_fd, source.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0))
            return std::unexpected(FsError{FsErrorKind::NotOnThisDisk, std::strerror(error)});
        return std::unexpected(fsErrorFromErrno(error));
    }

    FsResult<void> unlink(std::string_view name) override
    {
        if (::unlinkat(m_fd, std::string(name).c_str(), 0) != 0)
            return lastError();
        return {};
    }

    std::optional<FileId> identify(std::string_view name) override
    {
        struct stat info
        {};
        if (::fstatat(m_fd, std::string(name).c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return std::nullopt;
        if (m_lastingInodes)
            return FileId{FileId::Basis::Inode, info.st_dev, info.st_ino};
        return FileId{FileId::Basis::Facts,
                      static_cast<std::uint64_t>(info.st_size),
                      static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1'000'000'000u
                              + static_cast<std::uint64_t>(info.st_mtim.tv_nsec)};
    }

    FsResult<std::vector<std::string>> names() override
    {
        return walkFolder(m_fd, ".", true, [](int, const dirent &) { return true; });
    }

private:
    int m_fd;
    std::size_t m_maxNameBytes;
    bool m_fatNames;
    bool m_lastingInodes;
    paths::PathStyle m_style = paths::PathStyle::posix();
};

} // namespace

FsResult<std::unique_ptr<FolderRenamer>> openFolderRenamer(std::string_view folder)
{
    const int fd = ::open(std::string(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    struct stat info
    {};
    struct statfs disk
    {};
    const bool fat = ::fstat(fd, &info) == 0 && isFatFamily(mountType(info.st_dev));
    // FUSE drivers number inodes as they meet names unless told otherwise (see FileId).
    const bool lastingInodes = ::fstatfs(fd, &disk) != 0 || disk.f_type != FUSE_SUPER_MAGIC;
    return std::make_unique<PosixFolderRenamer>(fd, maxNameBytes(fd), fat, lastingInodes);
}

} // namespace tavolin::services::posix
