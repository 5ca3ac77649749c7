#include "services/posix_file_system.h"

#include "paths/name_pattern.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <linux/magic.h>
#include <mutex>
#include <sstream>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace tavolin::services {

namespace {

// How many threads read files' facts at once.
constexpr std::size_t kFactReaders = 4;

std::unexpected<FsError> lastError()
{
    return std::unexpected(fsErrorFromErrno(errno));
}

// The longest name the file system of an open folder takes, in bytes.
std::size_t maxNameBytes(int folderFd)
{
    const long limit = ::fpathconf(folderFd, _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : kMaxNameBytes;
}

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

// An open folder, closed when it goes out of scope.
class FolderHandle
{
public:
    explicit FolderHandle(const std::string &path)
        : m_fd(::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {}
    ~FolderHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderHandle(const FolderHandle &) = delete;
    FolderHandle &operator=(const FolderHandle &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

bool isOrdinaryFile(int folderFd, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info
    {};
    return ::fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

bool isFolder(int folderFd, const dirent &entry)
{
    if (entry.d_type == DT_DIR)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info
    {};
    return ::fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

// The names in the folder `folder` (relative to the folder `at`) that `keep` accepts, in
// directory order: never "." and "..", hidden ones only `withHidden`.
template<typename Keep>
FsResult<std::vector<std::string>>
walkFolder(int at, const std::string &folder, bool withHidden, Keep keep)
{
    const int fd = ::openat(
            at, folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        ::close(fd);
        return std::unexpected(fsErrorFromErrno(error));
    }

    std::vector<std::string> names;
    errno = 0;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != ".." && (withHidden || !name.starts_with('.'))
            && keep(fd, *entry))
            names.emplace_back(name);
        errno = 0;
    }
    const int error = errno;
    ::closedir(dir);
    if (error != 0)
        return std::unexpected(fsErrorFromErrno(error));
    return names;
}

} // namespace

FsResult<std::vector<std::string>> PosixFileSystem::listFiles(const paths::FilePattern &pattern)
{
    return walkFolder(AT_FDCWD, pattern.folder.path(), false, [&](int fd, const dirent &entry) {
        return paths::matchesNamePattern(entry.d_name, pattern.namePattern)
               && isOrdinaryFile(fd, entry);
    });
}

FsResult<void> PosixFileSystem::checkFolder(std::string_view folder)
{
    DIR *dir = ::opendir(std::string(folder).c_str());
    if (!dir)
        return lastError();
    // Reading the first entry is what fails on a medium that is gone.
    errno = 0;
    const bool readable = ::readdir(dir) != nullptr || errno == 0;
    const int error = errno;
    ::closedir(dir);
    if (!readable)
        return std::unexpected(fsErrorFromErrno(error));
    return {};
}

FsResult<std::vector<std::string>> PosixFileSystem::listFolders(std::string_view folder)
{
    return walkFolder(AT_FDCWD, std::string(folder), false, [](int fd, const dirent &entry) {
        return isFolder(fd, entry);
    });
}

std::optional<std::vector<FileFacts>>
PosixFileSystem::fileFacts(std::string_view folder,
                           std::span<const std::string> names,
                           const std::function<bool(std::size_t done)> &keepGoing)
{
    std::vector<FileFacts> facts(names.size());
    const FolderHandle dir{std::string(folder)};
    if (!dir.isOpen())
        return facts;
    // Asked once before any reader starts, so a stop already asked for is never outrun by
    // readers that finish before the first look at their progress.
    if (!keepGoing(0))
        return std::nullopt;

    // Each stat waits on the file system far more than on the processor (on a network folder
    // above all), so several threads take turns at chunks of names while this one tells how far
    // they are. Each file's facts have their own place: nothing else is shared but the counters.
    constexpr std::size_t kChunk = 64;
    std::atomic<std::size_t> nextChunk{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable finished;
    const auto readChunks = [&] {
        for (std::size_t first; !stop && (first = nextChunk.fetch_add(kChunk)) < names.size();) {
            const std::size_t end = std::min(first + kChunk, names.size());
            for (std::size_t index = first; index < end; ++index) {
                struct stat info
                {};
                if (::fstatat(dir.fd(), names[index].c_str(), &info, 0) == 0)
                    facts[index] = {static_cast<std::int64_t>(info.st_size),
                                    FileTime(std::chrono::seconds(info.st_mtim.tv_sec)
                                             + std::chrono::nanoseconds(info.st_mtim.tv_nsec))};
            }
            if (done.fetch_add(end - first) + (end - first) == names.size()) {
                const std::lock_guard lock(mutex);
                finished.notify_one();
            }
        }
    };
    {
        std::vector<std::jthread> readers;
        const std::size_t chunks = (names.size() + kChunk - 1) / kChunk;
        readers.reserve(std::min<std::size_t>(chunks, kFactReaders));
        while (readers.size() < std::min<std::size_t>(chunks, kFactReaders))
            readers.emplace_back(readChunks);
        std::unique_lock lock(mutex);
        while (done < names.size()) {
            lock.unlock();
            stop = !keepGoing(done);
            lock.lock();
            if (stop)
                break;
            finished.wait_for(lock, std::chrono::milliseconds(10));
        }
    } // the readers end here
    if (stop)
        return std::nullopt;
    return facts;
}

namespace {

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

FsResult<std::unique_ptr<FolderRenamer>> PosixFileSystem::openForRenaming(std::string_view folder)
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

FsResult<void> PosixFileSystem::createFolder(std::string_view parent, std::string_view name)
{
    const FolderHandle dir{std::string(parent)};
    if (!dir.isOpen())
        return lastError();
    if (auto valid = checkFileName(name, m_style, maxNameBytes(dir.fd())); !valid)
        return valid;
    if (::mkdirat(dir.fd(), std::string(name).c_str(), 0777) != 0)
        return std::unexpected(creationError(errno, name));
    return {};
}

} // namespace tavolin::services
