#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
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

namespace {

// Gives the owner full access everywhere below `root`, so that it can be removed.
void unlockTree(const fs::path &root)
{
    std::error_code ec;
    fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        if (!it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
}

} // namespace

TempDir::TempDir()
{
    const char *base = std::getenv("TMPDIR");
    std::string templ = std::string(base && *base ? base : "/tmp") + "/tavolin-test-XXXXXX";
    if (!::mkdtemp(templ.data()))
        throw std::runtime_error("cannot create a temporary folder");
    m_path = templ;
}

namespace {

bool setImmutable(const std::string &path, bool immutable)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

bool TempDir::makeFolderReadOnly(std::string_view name)
{
    const std::string path = pathOf(name);
    if (::geteuid() != 0)
        return ::chmod(path.c_str(), 0555) == 0;
    if (!setImmutable(path, true))
        return false;
    m_immutable.push_back(path);
    return true;
}

bool TempDir::mountSmallFileSystem(std::string_view name, std::size_t bytes)
{
    makeFolder(name);
    const std::string path = pathOf(name);
    const std::string options = "size=" + std::to_string(bytes);
    if (::mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) != 0)
        return false;
    m_mounts.push_back(path);
    return true;
}

TempDir::~TempDir()
{
    for (const std::string &path : m_immutable)
        setImmutable(path, false);
    for (const std::string &path : m_mounts)
        ::umount2(path.c_str(), MNT_DETACH);
    unlockTree(m_path);
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string TempDir::pathOf(std::string_view name) const
{
    return m_path + '/' + std::string(name);
}

void TempDir::writeFile(std::string_view name, std::string_view content) const
{
    std::ofstream out(pathOf(name), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + pathOf(name));
}

std::string TempDir::readFile(std::string_view name) const
{
    std::ifstream in(pathOf(name), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TempDir::makeFolder(std::string_view name) const
{
    fs::create_directory(pathOf(name));
}

void TempDir::makeSymlink(std::string_view target, std::string_view name) const
{
    fs::create_symlink(std::string(target), pathOf(name));
}

void TempDir::setMode(std::string_view name, unsigned mode) const
{
    ::chmod(pathOf(name).c_str(), mode);
}

bool TempDir::exists(std::string_view name) const
{
    struct stat info
    {};
    return ::lstat(pathOf(name).c_str(), &info) == 0;
}

std::vector<std::string> TempDir::names() const
{
    std::vector<std::string> found;
    for (const auto &entry : fs::directory_iterator(m_path))
        found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace tavolin::test
