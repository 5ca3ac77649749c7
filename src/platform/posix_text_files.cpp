#include "platform/posix_text_files.h"

#include "platform/in_place_rewrite.h"
#include "platform/posix_descriptor.h"
#include "platform/posix_disk_driver.h"
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

using posix::Descriptor;
using posix::lastError;

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

// Whether a new file renamed over `existing` would look the same to everyone else: it is the
// file's only name, and a file made now in `folder` would have its owner and group (the folder's
// group when the folder passes it on). Only the file's owner can then give it the old mode.
bool renamingKeepsTheFile(const struct stat &existing, const std::string &folder)
{
    struct stat parent
    {};
    if (::stat(folder.c_str(), &parent) != 0)
        return false;
    const gid_t newGroup = (parent.st_mode & S_ISGID) ? parent.st_gid : ::getegid();
    return existing.st_nlink == 1 && existing.st_uid == ::geteuid() && existing.st_gid == newGroup;
}

std::string_view nameOf(std::string_view path)
{
    return path.substr(path.rfind('/') + 1);
}

// The names the disk of `folder` stores.
DiskNames diskNamesOf(const std::string &folder)
{
    const Descriptor handle(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return handle.get() >= 0 ? posix::diskDriverOf(handle.get()).names : DiskNames::Any;
}

// Writes a new file under a short name in `folder`, never longer than a valid name, and renames
// it over `target`: until then the old file is untouched.
FsResult<void> replaceByRenaming(const std::string &target,
                                 const std::string &folder,
                                 const struct stat *existing,
                                 std::string_view bytes,
                                 DiskNames diskNames)
{
    std::string temporary = posix::inFolder(folder, ".tavolin-XXXXXX");
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.isOpen())
        return lastError();
    const auto fail = [&](int error) -> FsResult<void> {
        ::unlink(temporary.c_str());
        return std::unexpected(fsErrorFromErrno(error));
    };
    // A replaced file keeps its permissions; a new one gets the usual ones.
    mode_t mode = 0666;
    if (existing) {
        mode = existing->st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    // A disk that keeps no permissions may refuse to be told them (FAT through FUSE: ENOSYS);
    // the file is written all the same.
    if (::fchmod(file.get(), mode) != 0 && errno != ENOSYS && errno != EPERM && errno != EOPNOTSUPP)
        return fail(errno);
    if (!posix::writeAllAt(file.get(), bytes, 0) || ::fsync(file.get()) != 0 || !file.close())
        return fail(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        // Only now is the file's own name made, which a FAT-family disk may not hold.
        const int error = errno;
        ::unlink(temporary.c_str());
        if (existing)
            return std::unexpected(fsErrorFromErrno(error));
        return std::unexpected(creationError(error, nameOf(target), diskNames));
    }
    posix::syncFolder(folder);
    return {};
}

} // namespace

FsResult<void> PosixTextFiles::writeBytes(std::string_view path, std::string_view newContent)
{
    const std::string target = resolveLink(std::string(path));
    const std::string folder = posix::folderOf(target);
    struct stat existing
    {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        return std::unexpected(fsErrorFromErrno(EISDIR));
    if (!replacing && errno == ENOENT && ::access(folder.c_str(), F_OK) != 0)
        return lastError(); // the folder is missing, not the name refused
    // A driver may lose the new file it is asked to give a name it cannot store (fusefat).
    const DiskNames diskNames = diskNamesOf(folder);
    if (!replacing && refusedOnDisk(nameOf(target), diskNames))
        return std::unexpected(FsError{FsErrorKind::NotOnThisDisk, {}});
    const std::string bytes(newContent);
    if (!replacing || !S_ISREG(existing.st_mode))
        return replaceByRenaming(target, folder, replacing ? &existing : nullptr, bytes, diskNames);

    // A read-only disk answers EROFS here, and the rewrite in place then says so.
    const bool folderWritable = ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
    if (folderWritable && renamingKeepsTheFile(existing, folder))
        return replaceByRenaming(target, folder, &existing, bytes, diskNames);
    return rewriteInPlace(target, bytes, folderWritable);
}

FsResult<TextFiles::LinesRead> PosixTextFiles::readLines(std::string_view path,
                                                         const LineHandler &onLine)
{
    Descriptor file(::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen())
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

FsResult<std::string> PosixTextFiles::readBytes(std::string_view path, std::size_t maxBytes)
{
    const Descriptor file(::open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen())
        return lastError();
    struct stat facts
    {};
    if (::fstat(file.get(), &facts) != 0)
        return lastError();
    if (S_ISDIR(facts.st_mode))
        return std::unexpected(fsErrorFromErrno(EISDIR));
    if (static_cast<std::size_t>(facts.st_size) > maxBytes)
        return std::unexpected(fsErrorFromErrno(EFBIG));
    std::string bytes;
    std::string chunk(std::size_t{1} << 16, '\0');
    for (;;) {
        const ssize_t got = ::read(file.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return lastError();
        if (got == 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(got) > maxBytes)
            return std::unexpected(fsErrorFromErrno(EFBIG));
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

} // namespace tavolin::services
