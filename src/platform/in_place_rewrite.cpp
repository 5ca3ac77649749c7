#include "platform/in_place_rewrite.h"

#include "platform/posix_descriptor.h"

#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <vector>

namespace tavolin::services {

using posix::Descriptor;

namespace {

std::unexpected<FsError> failure(int errnoValue, const std::string &note = {})
{
    FsError error = fsErrorFromErrno(errnoValue);
    if (!note.empty())
        error.detail += " (" + note + ")";
    return std::unexpected(std::move(error));
}

// Copies all that `from` holds into `to` from the start; how many bytes, or -1 with errno set.
// Offsets of their own, so that neither descriptor's position matters.
off_t copyAll(int from, int to)
{
    std::string block(std::size_t{256} << 10, '\0');
    off_t done = 0;
    for (;;) {
        const ssize_t got = ::pread(from, block.data(), block.size(), done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            return done;
        if (!posix::writeAllAt(to, {block.data(), static_cast<std::size_t>(got)}, done))
            return -1;
        done += got;
    }
}

bool putInPlace(int file, std::string_view bytes)
{
    return posix::writeAllAt(file, bytes, 0)
           && ::ftruncate(file, static_cast<off_t>(bytes.size())) == 0 && ::fsync(file) == 0;
}

std::string homeFolder()
{
    if (const char *home = std::getenv("HOME"); home && *home)
        return home;
    passwd entry{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return found->pw_dir;
    return {};
}

// The folder for the copy when the file's own folder may not be written.
FsResult<std::string> copyFolderOutside()
{
    std::string cache;
    // A relative XDG_CACHE_HOME is to be ignored, as if it were not set.
    if (const char *set = std::getenv("XDG_CACHE_HOME"); set && set[0] == '/')
        cache = set;
    else if (const std::string home = homeFolder(); !home.empty())
        cache = posix::inFolder(home, ".cache");
    else
        return failure(ENOENT, "no home folder to keep a copy of the old content in");
    const std::string ours = posix::inFolder(cache, "tavolin");
    if (!posix::makeFolders(ours))
        return failure(errno, "the folder for a copy of the old content: " + ours);
    return ours;
}

} // namespace

FsResult<void> rewriteInPlace(const std::string &target, std::string_view bytes, bool besideIt)
{
    // Opened for writing before anything is copied, so that a file the user may not write is
    // refused as such and leaves nothing behind.
    Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen())
        return failure(errno);
    Descriptor reading(::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!reading.isOpen())
        return failure(errno, "the old content cannot be read to keep a copy of it");

    const auto copyFolder
            = besideIt ? FsResult<std::string>(posix::folderOf(target)) : copyFolderOutside();
    if (!copyFolder)
        return std::unexpected(copyFolder.error());
    std::string copyPath = posix::inFolder(*copyFolder, ".tavolin-XXXXXX");
    Descriptor copy(::mkostemp(copyPath.data(), O_CLOEXEC));
    if (!copy.isOpen())
        return failure(errno, "no copy of the old content can be made in " + *copyFolder);
    const off_t oldSize = copyAll(reading.get(), copy.get());
    if (oldSize < 0 || ::fsync(copy.get()) != 0) {
        const int error = errno;
        ::unlink(copyPath.c_str());
        return failure(error, "no copy of the old content can be made in " + *copyFolder);
    }
    posix::syncFolder(*copyFolder);

    if (putInPlace(file.get(), bytes)) {
        ::unlink(copyPath.c_str());
        return {};
    }
    const int error = errno;
    if (copyAll(copy.get(), file.get()) == oldSize && ::ftruncate(file.get(), oldSize) == 0
        && ::fsync(file.get()) == 0) {
        ::unlink(copyPath.c_str());
        return failure(error);
    }
    auto kept = failure(
            error, "the file could not be put back as it was; its old content is in " + copyPath);
    kept.error().keptCopy = copyPath;
    return kept;
}

} // namespace tavolin::services
