#pragma once

#include "services/fs_error.h"

#include <dirent.h>
#include <expected>
#include <functional>
#include <string>
#include <vector>

// Reading folders through POSIX calls: what the file system and its folder renamer share.
namespace tavolin::services::posix {

// The longest name the file system of an open folder takes, in bytes.
std::size_t maxNameBytes(int folderFd);

// The two kinds of entry a walk keeps.
enum class EntryKind { OrdinaryFile, Folder };
// Whether an entry of the open folder `folderFd` is of `kind`, or a link to one.
bool isEntryOf(EntryKind kind, int folderFd, const dirent &entry);

// Which entries a walk keeps, given the open folder they are in.
using KeepEntry = std::function<bool(int folderFd, const dirent &entry)>;

// The names in the folder `folder` (relative to the folder `at`) that `keep` accepts, in
// directory order: never "." and "..", hidden ones only `withHidden`.
FsResult<std::vector<std::string>>
walkFolder(int at, const std::string &folder, bool withHidden, const KeepEntry &keep);

} // namespace tavolin::services::posix
