#include "support/carried_disk.h"

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tavolin::test {

namespace {

namespace fs = std::filesystem;

// Runs `command` through the shell, its output thrown away; true when it succeeds.
bool run(const std::string &command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// The first line `command` prints, or empty when it fails.
std::string firstLine(const std::string &command)
{
    FILE *pipe = ::popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe)
        return {};
    char line[256] = {};
    const bool read = std::fgets(line, sizeof line, pipe) != nullptr;
    if (::pclose(pipe) != 0 || !read)
        return {};
    const std::string text(line);
    return text.substr(0, text.find('\n'));
}

// The tool that formats an image of each kind and the one that mounts it, in DiskKind's order.
struct Tools
{
    const char *format;
    const char *mounter;
};
constexpr Tools kTools[]
        = {{"mkfs.exfat", "mount.exfat-fuse"}, {"mkfs.vfat", "fusefat"}, {"mkntfs", "ntfs-3g"}};

} // namespace

std::string_view nameOf(DiskKind kind)
{
    return std::array{"exFAT", "FAT", "NTFS"}[static_cast<int>(kind)];
}

CarriedDisk::CarriedDisk(DiskKind kind)
    : RealFolder({})
    , m_kind(kind)
    , m_image(m_dir.pathOf("disk.img"))
{
    m_path = m_dir.pathOf("disk");
}

std::unique_ptr<CarriedDisk>
CarriedDisk::mount(DiskKind kind, std::string &whyNot, bool smallTopFolder)
{
    const auto refused = [&](const std::string &why) {
        whyNot = why;
        return nullptr;
    };
    const int fuse = ::open("/dev/fuse", O_RDWR | O_CLOEXEC);
    if (fuse < 0)
        return refused("/dev/fuse cannot be opened here");
    ::close(fuse);
    const Tools tools = kTools[static_cast<int>(kind)];
    for (const char *tool : {tools.format, tools.mounter})
        if (!run("command -v " + std::string(tool)))
            return refused(std::string(tool) + " is not installed");
    std::unique_ptr<CarriedDisk> disk(new CarriedDisk(kind));
    std::ofstream(disk->m_image).close();
    fs::resize_file(disk->m_image, 16u << 20);
    fs::create_directory(disk->m_path);
    std::string format = kind == DiskKind::Ntfs ? "mkntfs -F -q -Q" : std::string(tools.format);
    if (kind == DiskKind::Fat && smallTopFolder)
        format += " -r 16";
    if (!run(format + " " + disk->m_image))
        return refused(format + " failed");
    whyNot = disk->attach(false);
    return whyNot.empty() ? std::move(disk) : nullptr;
}

std::string CarriedDisk::attach(bool readOnly)
{
    const Tools tools = kTools[static_cast<int>(m_kind)];
    std::string source = m_image;
    if (m_kind == DiskKind::ExFat) {
        // exfat-fuse reads block devices only.
        m_loopDevice = firstLine("losetup -f --show " + m_image);
        if (m_loopDevice.empty())
            return "no loop device is free or may be set up here";
        source = m_loopDevice;
    }
    std::string options;
    if (m_kind == DiskKind::Fat)
        options = readOnly ? "-o ro " : "-o rw+ "; // fusefat asks which, to be safe
    else if (readOnly)
        options = "-o ro ";
    if (!run(std::string(tools.mounter) + " " + options + source + " " + m_path))
        return std::string(tools.mounter) + " could not mount the image here";
    m_mounted = true;
    return {};
}

bool CarriedDisk::remount(bool readOnly)
{
    return unmount() && attach(readOnly).empty();
}

void CarriedDisk::pullOut() const
{
    // The driver is the process whose command line names the mount point.
    for (const auto &process : fs::directory_iterator("/proc")) {
        std::ifstream cmdline(process.path() / "cmdline");
        const std::string words{std::istreambuf_iterator<char>(cmdline), {}};
        if (words.find(m_path + '\0') == std::string::npos)
            continue;
        const pid_t driver = std::stoi(process.path().filename());
        ::kill(driver, SIGKILL);
        while (::kill(driver, 0) == 0 && fs::exists(process.path() / "cmdline"))
            ::usleep(1000);
    }
}

bool CarriedDisk::unmount()
{
    if (m_mounted && !run("umount " + m_path) && !run("fusermount -u " + m_path)
        && !run("fusermount3 -u " + m_path))
        return false;
    m_mounted = false;
    if (!m_loopDevice.empty())
        run("losetup -d " + m_loopDevice);
    m_loopDevice.clear();
    return true;
}

CarriedDisk::~CarriedDisk()
{
    if (!unmount())
        run("umount -l " + m_path);
}

void CarriedDisk::makeOlder(std::string_view name, std::chrono::seconds age) const
{
    const timespec then{::time(nullptr) - age.count(), 0};
    const timespec times[] = {then, then};
    ::utimensat(AT_FDCWD, pathOf(name).c_str(), times, 0);
}

} // namespace tavolin::test
