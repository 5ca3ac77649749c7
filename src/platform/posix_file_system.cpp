#include "platform/posix_file_system.h"

#include "paths/name_pattern.h"
#include "platform/posix_descriptor.h"
#include "platform/posix_disk_driver.h"
#include "platform/posix_folder_renamer.h"
#include "platform/posix_folder_walk.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace tavolin::services {

using posix::EntryKind;
using posix::isEntryOf;
using posix::lastError;
using posix::maxNameBytes;
using posix::walkFolder;

namespace {

// How many threads read files' facts at once.
constexpr std::size_t kFactReaders = 4;

// An open folder, closed when it goes out of scope; an empty path is the working folder.
posix::Descriptor openFolder(const std::string &path)
{
    return posix::Descriptor(
            ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

} // namespace

FsResult<std::vector<std::string>> PosixFileSystem::listFiles(const paths::FilePattern &pattern)
{
    return walkFolder(AT_FDCWD, pattern.folder.path(), false, [&](int fd, const dirent &entry) {
        return paths::matchesNamePattern(entry.d_name, pattern.namePattern)
               && isEntryOf(EntryKind::OrdinaryFile, fd, entry);
    });
}

FsResult<void> PosixFileSystem::checkFolder(const paths::FolderPath &folder)
{
    DIR *dir = ::opendir(folder.path().c_str());
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

FsResult<std::vector<std::string>> PosixFileSystem::listFolders(const paths::FolderPath &folder)
{
    return walkFolder(AT_FDCWD, folder.path(), false, [](int fd, const dirent &entry) {
        return isEntryOf(EntryKind::Folder, fd, entry);
    });
}

std::optional<std::vector<FileFacts>>
PosixFileSystem::fileFacts(const paths::FolderPath &folder,
                           std::span<const std::string> names,
                           const std::function<bool(std::size_t done)> &keepGoing)
{
    std::vector<FileFacts> facts(names.size());
    const posix::Descriptor dir = openFolder(folder.path());
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
                if (::fstatat(dir.get(), names[index].c_str(), &info, 0) == 0)
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

FsResult<std::unique_ptr<FolderRenamer>>
PosixFileSystem::openForRenaming(const paths::FolderPath &folder)
{
    return posix::openFolderRenamer(folder.path());
}

FsResult<void> PosixFileSystem::createFolder(const paths::FolderPath &parent, std::string_view name)
{
    const posix::Descriptor dir = openFolder(parent.path());
    if (!dir.isOpen())
        return lastError();
    if (auto valid = checkFileName(name, m_style, maxNameBytes(dir.get())); !valid)
        return valid;
    const DiskNames diskNames = posix::diskDriverOf(dir.get()).names;
    if (refusedOnDisk(name, diskNames))
        return std::unexpected(FsError{FsErrorKind::NotOnThisDisk, {}});
    if (::mkdirat(dir.get(), std::string(name).c_str(), 0777) != 0)
        return std::unexpected(creationError(errno, name, diskNames));
    return {};
}

} // namespace tavolin::services
