#include "services/posix_text_files.h"

#include "services/file_system.h"
#include "text/line_reader.h"
#include "text/text_codec.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::services {

namespace {

std::unexpected<FsError> lastError()
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
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where a link points, so that saving onto a link replaces the file it leads to, not the link.
std::string resolveLink(const std::string &path)
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string target(resolved);
    ::free(resolved);
    return target;
}

std::string folderOf(const std::string &path)
{
    const auto cut = path.rfind('/');
    if (cut == std::string::npos)
        return ".";
    return cut == 0 ? "/" : path.substr(0, cut);
}

} // namespace

FsResult<void> PosixTextFiles::writeText(std::string_view path, std::string_view text)
{
    const std::string target = resolveLink(std::string(path));
    struct stat existing
    {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return std::unexpected(fsErrorFromErrno(EISDIR));

    // The new content goes into a temporary file in the same folder, which then takes the
    // file's name in one step.
    std::string temporary = target + ".tavolin-XXXXXX";
    Descriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0 && errno == ENOENT && ::access(folderOf(target).c_str(), F_OK) != 0)
        return lastError(); // the folder is missing, not the name refused
    if (file.get() < 0)
        return std::unexpected(creationError(errno, target.substr(target.rfind('/') + 1)));
    const auto fail = [&]() -> FsResult<void> {
        const int error = errno;
        ::unlink(temporary.c_str());
        return std::unexpected(fsErrorFromErrno(error));
    };
    // A replaced file keeps its permissions; a new one gets the usual ones.
    mode_t mode = 0666;
    if (replacing) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // A disk that keeps no permissions may refuse to be told them (FAT through FUSE: ENOSYS);
    // the file is written all the same.
    if (::fchmod(file.get(), mode) != 0 && errno != ENOSYS && errno != EPERM && errno != EOPNOTSUPP)
        return fail();
    if (!writeAll(file.get(), text::textfile::encode(text)) || ::fsync(file.get()) != 0
        || !file.close() || ::rename(temporary.c_str(), target.c_str()) != 0)
        return fail();
    // The new name is on disk once the folder is.
    Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {};
}

FsResult<TextFiles::LinesRead> PosixTextFiles::readLines(std::string_view path,
                                                         const LineHandler &onLine)
{
    Descriptor file(::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return lastError();
    // A folder opens, and fails only at its first read.
    struct stat facts
    {};
    if (::fstat(file.get(), &facts) == 0 && S_ISDIR(facts.st_mode))
        return std::unexpected(fsErrorFromErrno(EISDIR));

    std::string chunk(std::size_t{1} << 20, '\0');
    text::LineReader reader(onLine);
    const auto ended = [&](ReadEnd end, FsError error = {}) {
        return LinesRead{end, reader.encoding(), std::move(error)};
    };
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const FsError error = fsErrorFromErrno(errno);
            reader.breakOff();
            return ended(ReadEnd::BrokeOff, error);
        }
        if (got == 0)
            break;
        if (!reader.feed(std::string_view(chunk.data(), static_cast<std::size_t>(got))))
            return ended(ReadEnd::Stopped);
    }
    reader.finish();
    return ended(ReadEnd::Complete);
}

} // namespace tavolin::services
