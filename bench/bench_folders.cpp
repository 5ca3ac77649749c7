#include "bench_folders.h"

#include <cstdio>
#include <fcntl.h>
#include <map>
#include <stdexcept>
#include <unistd.h>

namespace tavolin::bench {

const test::TempDir &folderWithFiles(int count, const std::string &root)
{
    static std::map<int, std::unique_ptr<test::TempDir>> folders;
    auto &folder = folders[count];
    if (folder)
        return *folder;
    folder = root.empty() ? std::make_unique<test::TempDir>()
                          : std::make_unique<test::TempDir>(root);
    char name[32];
    for (int i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "file_%06d.dat", i);
        const int fd = ::open(folder->pathOf(name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(i) * 37 % 5000000) != 0)
            throw std::runtime_error("cannot create the benchmark files");
        ::close(fd);
    }
    return *folder;
}

std::size_t runCommand(const std::string &command)
{
    FILE *pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    char buffer[1 << 16];
    std::size_t total = 0;
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        total += n;
    if (::pclose(pipe) != 0)
        throw std::runtime_error(command + " failed");
    return total;
}

std::string shellQuoted(const std::string &text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace tavolin::bench
