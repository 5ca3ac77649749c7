#pragma once

#include "services/fs_error.h"

#include <cerrno>
#include <expected>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace tavolin::services::posix {

// The error errno holds now.
inline std::unexpected<FsError> lastError()
{
    return std::unexpected(fsErrorFromErrno(errno));
}

// Closes a file descriptor when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (isOpen())
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    // False when the call that gave the descriptor failed.
    bool isOpen() const { return m_fd >= 0; }
    int get() const { return m_fd; }
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Writes all of `bytes` from `offset` on. False with errno set otherwise; a write that takes
// nothing without saying why counts as an I/O error, so that the caller never loops forever.
inline bool writeAllAt(int fd, std::string_view bytes, off_t offset)
{
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = EIO;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

inline std::string folderOf(const std::string &path)
{
    const auto cut = path.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

inline std::string inFolder(const std::string &folder, std::string_view name)
{
    return (folder.ends_with('/') ? folder : folder + '/') + std::string(name);
}

// Makes `path` and the folders above it that are missing, for the user alone, as mkdir -p does.
inline bool makeFolders(const std::string &path)
{
    for (std::size_t cut = path.find('/', 1);; cut = path.find('/', cut + 1)) {
        if (::mkdir(path.substr(0, cut).c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (cut == std::string::npos)
            return true;
    }
}

// A name made or removed in `folder` is on disk once the folder is. Best effort: a disk that
// cannot sync a folder has nothing better to offer.
inline void syncFolder(const std::string &folder)
{
    Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.isOpen())
        ::fsync(handle.get());
}

} // namespace tavolin::services::posix
