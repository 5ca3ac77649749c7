#include "support/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tavolin::test {

TempDir::TempDir(const fs::path &parent)
    : RealFolder(parent / "tavolin-test-XXXXXX")
{
    if (!::mkdtemp(m_path.data()))
        throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir()
{
    for (const std::string &path : m_mounts)
        ::umount2(path.c_str(), MNT_DETACH);
    // The owner gets full access to every folder, so that everything in it can be removed (a
    // file's own permissions do not matter for that).
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(m_path, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (!it->is_symlink() && it->is_directory())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

bool TempDir::makeFolderReadOnly(std::string_view name)
{
    const std::string path = pathOf(name);
    if (::geteuid() != 0)
        return ::chmod(path.c_str(), 0555) == 0;
    if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    m_mounts.push_back(path);
    return ::mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

bool TempDir::mountSmallFileSystem(std::string_view name, std::size_t bytes)
{
    makeFolder(name);
    const std::string options = "size=" + std::to_string(bytes);
    return ::mount("tmpfs", pathOf(name).c_str(), "tmpfs", 0, options.c_str()) == 0
           && (m_mounts.push_back(pathOf(name)), true);
}

void RealFolder::writeFile(std::string_view name, std::string_view content) const
{
    if (!(std::ofstream(pathOf(name), std::ios::binary) << content))
        throw std::runtime_error("cannot write " + pathOf(name));
}

std::string RealFolder::readFile(std::string_view name) const
{
    return (std::ostringstream() << std::ifstream(pathOf(name), std::ios::binary).rdbuf()).str();
}

std::vector<std::string> RealFolder::names() const
{
    std::vector<std::string> found;
    for (const auto &entry : fs::directory_iterator(m_path))
        found.push_back(entry.path().filename());
    std::ranges::sort(found);
    return found;
}

} // namespace tavolin::test
