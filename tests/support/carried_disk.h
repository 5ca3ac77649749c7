#pragma once

#include "support/temp_dir.h"

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace tavolin::test {

// The disks people carry, each mounted as a desktop mounts it without the kernel's own driver:
// exFAT through exfat-fuse on a loop device, FAT through fusefat, NTFS through ntfs-3g.
enum class DiskKind { ExFat, Fat, Ntfs };

std::string_view nameOf(DiskKind kind);
// How a test names the kind, for GoogleTest.
inline void PrintTo(DiskKind kind, std::ostream *out)
{
    *out << nameOf(kind);
}

// A fresh small disk image of one kind, formatted and mounted on a folder of its own (path()),
// and unmounted (its loop device freed) when the object goes away.
class CarriedDisk : public RealFolder
{
public:
    // The mounted disk, or none with why not in `whyNot` (no /dev/fuse, no loop device, a tool
    // missing, not allowed to mount). A FAT disk with `smallTopFolder` has room for 16 entries in
    // its top folder, as its format fixes it: a file with a long name takes two.
    static std::unique_ptr<CarriedDisk>
    mount(DiskKind kind, std::string &whyNot, bool smallTopFolder = false);
    ~CarriedDisk();
    CarriedDisk(const CarriedDisk &) = delete;
    CarriedDisk &operator=(const CarriedDisk &) = delete;

    // Gives the file `name` the times of `age` ago, its access time too (fusefat keeps neither
    // when told to leave one as it is).
    void makeOlder(std::string_view name, std::chrono::seconds age) const;
    // Whether the disk ignores case in names.
    bool ignoresCase() const { return m_kind != DiskKind::Ntfs; }
    // Mounts the disk again, read-only as a locked card is or as it was.
    bool remount(bool readOnly = false);
    // Ends the disk's driver at once, as pulling the card out does: every call on the disk then
    // fails, until plugIn() mounts it again.
    void pullOut() const;
    bool plugIn() { return remount(); }

private:
    explicit CarriedDisk(DiskKind kind);
    // Mounts the image; why not when it cannot.
    std::string attach(bool readOnly);
    bool unmount();

    DiskKind m_kind;
    TempDir m_dir;
    std::string m_image;
    std::string m_loopDevice;
    bool m_mounted = false;
};

} // namespace tavolin::test
