#pragma once

#include "services/drives.h"

namespace tavolin::services {

// The mounted volumes that hold real file systems, as Qt's QStorageInfo reports them. Kernel
// and runtime file systems (proc, sysfs, cgroup, devpts, ...) and the volumes under /proc,
// /sys, /dev and /run (except removable media under /run/media) are left out.
class QtDrives final : public Drives
{
public:
    std::vector<DriveInfo> list() override;
    std::string driveOf(std::string_view path) override;
};

} // namespace tavolin::services
