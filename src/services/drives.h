#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavolin::services {

struct DriveInfo
{
    std::string root;  // the drive's root folder: "D:\", or a mount point such as "/media/usb"
    std::string label; // what the drive list shows beside the root; may be empty
};

// The drives of the machine: on Linux the mounted volumes that hold real file systems.
// Abstract so that tests can offer drives such as D:\ and E:\.
class Drives
{
public:
    virtual ~Drives() = default;

    virtual std::vector<DriveInfo> list() = 0;

    // The root of the drive that holds `path`.
    virtual std::string driveOf(std::string_view path) = 0;
};

} // namespace tavolin::services
