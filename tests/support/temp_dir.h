#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::test {

// The files of a real folder, for a test to make and read.
class RealFolder
{
public:
    using Name = std::string_view;

    explicit RealFolder(std::string path)
        : m_path(std::move(path))
    {}
    // The folder's path, without a trailing separator.
    const std::string &path() const { return m_path; }
    // The folder's path with a trailing separator, as the path field holds it.
    std::string pattern() const { return m_path + '/'; }
    std::string pathOf(std::string_view name) const { return m_path + '/' + std::string(name); }

    void writeFile(std::string_view name, std::string_view content = {}) const;
    std::string readFile(std::string_view name) const;
    void makeFolder(std::string_view n) const { std::filesystem::create_directory(pathOf(n)); }
    // A symbolic link `n` that leads to `to`.
    void makeSymlink(Name to, Name n) const { std::filesystem::create_symlink(to, pathOf(n)); }
    void setMode(std::string_view n, unsigned mode) const
    {
        std::filesystem::permissions(pathOf(n), std::filesystem::perms(mode));
    }
    // The names in the folder (files and folders, hidden ones too), sorted.
    std::vector<std::string> names() const;

protected:
    std::string m_path;
};

// A real folder under the system's temporary folder, removed with everything in
// it (read-only parts included) when the object goes away.
class TempDir : public RealFolder
{
public:
    // Under `parent` instead, to choose the file system the folder lies on.
    explicit TempDir(const std::filesystem::path &parent = std::filesystem::temp_directory_path());
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    // Makes the folder `name` refuse any change inside it: by its permissions for
    // an ordinary user, for root (whom permissions do not stop) by mounting it on
    // itself read-only. False when neither is possible here.
    bool makeFolderReadOnly(std::string_view name);

    // Mounts a tmpfs of `bytes` bytes on the (new) folder `name`, to have a file
    // system that fills up. False when this process may not mount.
    bool mountSmallFileSystem(std::string_view name, std::size_t bytes);

    // How many files this process holds open, to see that a reading closes what it opened.
    static long openFiles()
    {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    }

private:
    std::vector<std::string> m_mounts;
};

} // namespace tavolin::test
