#pragma once

#include "paths/path_style.h"
#include "services/fs_error.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::services {

// Renames files inside one folder, which it holds open for as long as it lives: a batch of
// renames stays in that folder even if the folder is moved meanwhile.
class FolderRenamer
{
public:
    virtual ~FolderRenamer() = default;

    // Gives the file `from` the name `to`. Never replaces a file: fails with Exists when `to`
    // is taken (also by `from` itself under another case on a file system that ignores case),
    // with NotFound when `from` is missing and with InvalidName or HiddenName when either is
    // not a name checkFileName accepts. On failure nothing has changed.
    virtual FsResult<void> rename(std::string_view from, std::string_view to) = 0;

    // Whether both names lead to the same file (as one name in two cases does on a file system
    // that ignores case). False when either is missing.
    virtual bool isSameFile(std::string_view first, std::string_view second) = 0;
};

// Everything the program does to files and folders. Abstract so that the windows' models can be
// run against an in-memory file system in tests.
//
// Names and paths are the exact bytes the file system uses; nothing here decodes or normalises
// them, so a name that is not valid UTF-8 goes through every operation unchanged.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    virtual const paths::PathStyle &pathStyle() const = 0;

    // The ordinary files that `pattern` names, in the order the directory delivers them. The
    // pattern is a folder path ending in the separator (every file of the folder), optionally
    // followed by a file-name pattern (see matchesNamePattern). Ordinary files are regular files
    // and links to regular files; folders and hidden files are never listed.
    // Fails when the folder cannot be read.
    virtual FsResult<std::vector<std::string>> listFiles(std::string_view pattern) = 0;

    // Success when `folder` exists and its contents can be read; otherwise why not (NotReady
    // for a medium that is gone or an I/O error, NoPermission, NotFound).
    virtual FsResult<void> checkFolder(std::string_view folder) = 0;

    // The names of the folders inside `folder` (hidden ones left out), in directory order.
    virtual FsResult<std::vector<std::string>> listFolders(std::string_view folder) = 0;

    // The length in bytes of the file `name` in `folder`.
    virtual FsResult<std::int64_t> fileSize(std::string_view folder, std::string_view name) = 0;

    // Opens `folder` for renaming files in it.
    virtual FsResult<std::unique_ptr<FolderRenamer>> openForRenaming(std::string_view folder) = 0;

    // One rename in `folder`, as FolderRenamer::rename.
    FsResult<void> renameFile(std::string_view folder, std::string_view from, std::string_view to);

    // Creates the one folder `name` inside `parent` (never any missing parent). Fails with
    // Exists when the name is taken, and with InvalidName or HiddenName when checkFileName
    // refuses it.
    virtual FsResult<void> createFolder(std::string_view parent, std::string_view name) = 0;
};

// The length limit of a file name on the common Linux file systems, in bytes.
inline constexpr std::size_t kMaxNameBytes = 255;

// InvalidName when `name` cannot be the name of one file inside a folder: empty, "." or "..",
// holding a separator or a NUL byte, or longer than `maxBytes`; HiddenName when the system
// would hide it, since the program never shows hidden files. Success otherwise.
FsResult<void> checkFileName(std::string_view name,
                             const paths::PathStyle &style,
                             std::size_t maxBytes = kMaxNameBytes);

} // namespace tavolin::services
