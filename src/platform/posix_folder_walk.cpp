#include "platform/posix_folder_walk.h"

#include "platform/posix_descriptor.h"
#include "services/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::services::posix {

// The longest name the file system of an open folder takes, in bytes.
std::size_t maxNameBytes(int folderFd)
{
    const long limit = ::fpathconf(folderFd, _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : kMaxNameBytes;
}

bool isEntryOf(EntryKind kind, int folderFd, const dirent &entry)
{
    const bool folder = kind == EntryKind::Folder;
    if (entry.d_type == (folder ? DT_DIR : DT_REG))
        return true;
    // Only a link, or an entry whose type the file system does not tell, needs a look.
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat info
    {};
    return ::fstatat(folderFd, entry.d_name, &info, 0) == 0
           && (folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode));
}

FsResult<std::vector<std::string>>
walkFolder(int at, const std::string &folder, bool withHidden, const KeepEntry &keep)
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

} // namespace tavolin::services::posix
