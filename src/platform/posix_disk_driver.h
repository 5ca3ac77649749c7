#pragma once

#include "services/file_system.h"

namespace tavolin::services::posix {

// What the driver of the disk under an open folder keeps and stores, as its mount says.
struct DiskDriver
{
    DiskNames names = DiskNames::Any;
    // What a file is known by across renames and remounts (see FileId).
    FileId::Basis identity = FileId::Basis::Inode;
    // A rename the driver refuses loses the file (fusefat: a name it cannot store, a full
    // folder), so a rename there first makes sure the new name can be made.
    bool losesFileOnFailedRename = false;
};

DiskDriver diskDriverOf(int folderFd);

} // namespace tavolin::services::posix
