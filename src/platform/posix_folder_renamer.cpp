#include "platform/posix_folder_renamer.h"

#include "platform/posix_descriptor.h"
#include "platform/posix_disk_driver.h"
#include "platform/posix_folder_walk.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tavolin::services::posix {

namespace {

constexpr off_t kHashedEnds = 64 * 1024;

// A hash of the first and the last 64 KiB of the open file `fd` of `size` bytes (all of it when
// it is shorter), by FNV-1a; 0 when it cannot be read.
std::uint64_t contentHash(int fd, off_t size)
{
    std::uint64_t hash = 14695981039346656037u;
    std::vector<char> buffer(static_cast<std::size_t>(std::min(size, kHashedEnds)));
    const off_t tail = std::max(size - kHashedEnds, kHashedEnds);
    for (const off_t from : {off_t{0}, tail}) {
        const off_t length = std::min(size - from, kHashedEnds);
        if (length <= 0)
            break;
        if (::pread(fd, buffer.data(), static_cast<std::size_t>(length), from) != length)
            return 0;
        for (const char c : std::span(buffer).first(static_cast<std::size_t>(length)))
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return hash;
}

class PosixFolderRenamer final : public FolderRenamer
{
public:
    PosixFolderRenamer(int fd, std::size_t nameLimit, DiskDriver driver)
        : m_fd(fd)
        , m_maxNameBytes(nameLimit)
        , m_driver(driver)
    {}
    ~PosixFolderRenamer() override { ::close(m_fd); }
    PosixFolderRenamer(const PosixFolderRenamer &) = delete;
    PosixFolderRenamer &operator=(const PosixFolderRenamer &) = delete;

    const paths::PathStyle &pathStyle() const override { return m_style; }
    std::size_t maxNameBytes() const override { return m_maxNameBytes; }
    DiskNames diskNames() const override { return m_driver.names; }

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
        if (m_driver.losesFileOnFailedRename) {
            if (auto made = makeAndRemove(target); !made)
                return made;
        }
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

    bool sameFile(std::string_view a, std::string_view b) override
    {
        struct stat first
        {};
        struct stat second
        {};
        // Inode numbers tell two names of one file apart from two files wherever a disk has
        // second names at all; a FUSE driver that makes them up has none.
        return ::fstatat(m_fd, std::string(a).c_str(), &first, AT_SYMLINK_NOFOLLOW) == 0
               && ::fstatat(m_fd, std::string(b).c_str(), &second, AT_SYMLINK_NOFOLLOW) == 0
               && first.st_dev == second.st_dev && first.st_ino == second.st_ino
               && first.st_nlink > 1;
    }

    std::optional<FileId> identify(std::string_view name) override
    {
        struct stat info
        {};
        if (::fstatat(m_fd, std::string(name).c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return std::nullopt;
        switch (m_driver.identity) {
        case FileId::Basis::Inode:
            return FileId{FileId::Basis::Inode, info.st_dev, info.st_ino};
        case FileId::Basis::Facts:
            return FileId{
                    FileId::Basis::Facts,
                    static_cast<std::uint64_t>(info.st_size),
                    static_cast<std::uint64_t>((std::chrono::seconds(info.st_mtim.tv_sec)
                                                + std::chrono::nanoseconds(info.st_mtim.tv_nsec))
                                                       .count())};
        case FileId::Basis::Content:
            break;
        }
        const Descriptor file(
                ::openat(m_fd, std::string(name).c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
        return FileId{FileId::Basis::Content,
                      static_cast<std::uint64_t>(info.st_size),
                      file.get() >= 0 ? contentHash(file.get(), info.st_size) : 0};
    }

    FsResult<std::vector<std::string>> names() override
    {
        return walkFolder(m_fd, ".", true, [](int, const dirent &) { return true; });
    }

private:
    // Makes the name `target` and removes it again: where the driver would lose a file whose
    // rename fails, this fails instead, harmlessly. fusefat answers EPERM both for a name it
    // cannot store and for a folder with no room left. The file is made without being opened:
    // a FUSE driver keeps a file removed while open as a hidden one until it is closed.
    FsResult<void> makeAndRemove(const std::string &target)
    {
        if (::mknodat(m_fd, target.c_str(), S_IFREG | 0600, 0) != 0) {
            FsError error = creationError(errno, target, m_driver.names);
            if (error.kind == FsErrorKind::NoPermission)
                error.kind = FsErrorKind::NoSpace;
            return std::unexpected(std::move(error));
        }
        if (::unlinkat(m_fd, target.c_str(), 0) != 0)
            return lastError();
        return {};
    }

    int m_fd;
    std::size_t m_maxNameBytes;
    DiskDriver m_driver;
    paths::PathStyle m_style = paths::PathStyle::posix();
};

} // namespace

FsResult<std::unique_ptr<FolderRenamer>> openFolderRenamer(std::string_view folder)
{
    const int fd = ::open(std::string(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    return std::make_unique<PosixFolderRenamer>(fd, maxNameBytes(fd), diskDriverOf(fd));
}

} // namespace tavolin::services::posix
