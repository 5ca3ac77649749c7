#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <sstream>
#include <stdexcept>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tavolin::test {

static bool setImmutable(const std::string &path, bool immutable)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

TempDir::TempDir(const fs::path &parent)
    : m_path(parent / "tavolin-test-XXXXXX")
{
    if (!::mkdtemp(m_path.data()))
        throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    for (const std::string &path : m_immutable)
        setImmutable(path, false);
    for (const std::string &path : m_mounts)
        ::umount2(path.c_str(), MNT_DETACH);
    // The owner gets full access everywhere, so that everything can be removed.
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (!it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

bool TempDir::makeFolderReadOnly(std::string_view name)
{
    if (::geteuid() != 0)
        return ::chmod(pathOf(name).c_str(), 0555) == 0;
    return setImmutable(pathOf(name), true) && (m_immutable.push_back(pathOf(name)), true);
}

bool TempDir::mountSmallFileSystem(std::string_view name, std::size_t bytes)
{
    makeFolder(name);
    const std::string options = "size=" + std::to_string(bytes);
    return ::mount("tmpfs", pathOf(name).c_str(), "tmpfs", 0, options.c_str()) == 0
           && (m_mounts.push_back(pathOf(name)), true);
}

void TempDir::writeFile(std::string_view name, std::string_view content) const
{
    if (!(std::ofstream(pathOf(name), std::ios::binary) << content))
        throw std::runtime_error("cannot write " + pathOf(name));
}

std::string TempDir::readFile(std::string_view name) const
{
    return (std::ostringstream() << std::ifstream(pathOf(name), std::ios::binary).rdbuf()).str();
}

std::vector<std::string> TempDir::names() const
{
    std::vector<std::string> found;
    for (const auto &entry : fs::directory_iterator(m_path))
        found.push_back(entry.path().filename());
    std::ranges::sort(found);
    return found;
}

} // namespace tavolin::test
