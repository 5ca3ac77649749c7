#pragma once

#include "paths/folder_path.h"
#include "services/fs_error.h"

#include <chrono>
#include <compare>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavolin::services {

// What tells one file from every other while it is renamed, and afterwards for undoing it.
// Where the disk keeps file numbers (ext4, tmpfs, NTFS through ntfs-3g...) that is its device and
// inode. The FUSE drivers of FAT-family disks make inode numbers up as names are looked up: two
// spellings of one name on a disk that ignores case get two numbers, and a new mount new ones.
// There a file is known by its size and modification time, which a rename keeps and a remount
// does not change (exFAT); two files alike in both can be taken for each other. fusefat gives a
// file the time of its rename as its modification time, so there a file is known by its size
// and its content: a hash of its first and last 64 KiB. Two files alike in size and in those
// bytes can be taken for each other.
struct FileId
{
    enum class Basis : std::uint8_t { Inode, Facts, Content };
    Basis basis = Basis::Inode;
    std::uint64_t device = 0; // Facts, Content: the size in bytes
    std::uint64_t inode = 0;  // Facts: the modification time in nanoseconds since 1970;
                              // Content: the hash of the content
    auto operator<=>(const FileId &) const = default; // an order, for sets of files
};

// Which names a disk stores, as its driver decides; Linux itself takes every name but "/" and
// NUL. The kernel's own vfat and exfat store every character a FAT-family disk may hold; fusefat
// stores printable ASCII only.
enum class DiskNames : std::uint8_t {
    Any,          // every name Linux takes
    Fat,          // not \ : * ? " < > |, no control character, no last dot or space
    FatAsciiOnly, // as Fat, and printable ASCII only
};

// What a folder says of itself and its names without changing anything: enough to plan a batch
// of renames in it. Abstract so that a test can fail any call of a fake, and so that a preview
// can keep the answers of the folder it plans in.
class FolderView
{
public:
    virtual ~FolderView() = default;

    virtual const paths::PathStyle &pathStyle() const = 0;

    // The longest name this folder's file system takes, in bytes.
    virtual std::size_t maxNameBytes() const = 0;

    // The names the folder's disk stores, as its mount says (vfat, msdos, exfat, or a FUSE
    // driver of one that names its type). The FUSE driver of exFAT mounts as plain "fuseblk";
    // the rename plan also takes a folder that ignores case for a FAT-family disk.
    virtual DiskNames diskNames() const = 0;

    // The file that `name` leads to (also under another case on a file system that ignores
    // case); a symbolic link is a file of its own. None when there is no such name. On a FUSE
    // disk the file is known by its facts (see FileId).
    virtual std::optional<FileId> identify(std::string_view name) = 0;

    // Every name in the folder: files, folders and hidden ones alike.
    virtual FsResult<std::vector<std::string>> names() = 0;
};

// One folder held open for renaming files in it: a batch of renames stays in that folder even if
// the folder is moved meanwhile. Its calls are the primitives the never-replacing rename is built
// from (see rename/never_replacing_rename.h); each is one system call but renameIfFree, which is
// two. None of them checks a name: pass only names that checkFileName accepts with pathStyle()
// and maxNameBytes(), or a name with a separator reaches into another folder.
class FolderRenamer : public FolderView
{
public:
    // Gives the file `from` the name `to` unless `to` is taken; never replaces a file. Fails with
    // Exists when `to` is taken (also by `from` itself under another case on a file system that
    // ignores case), NotFound when `from` is missing, and NotSupported when the file system
    // cannot rename without the risk of replacing. On failure nothing has changed.
    virtual FsResult<void> renameNoReplace(std::string_view from, std::string_view to) = 0;

    // Gives the file `from` the second name `to`; never replaces a file. Fails with Exists when
    // `to` is taken, NotFound when `from` is missing, and NotSupported when the file system has
    // no second names (FAT-family disks). On failure nothing has changed.
    virtual FsResult<void> link(std::string_view from, std::string_view to) = 0;

    // Gives the file `from` the name `to` after making sure that no file has that name (which
    // on a disk that ignores case also finds it under another case): for disks that know
    // neither the no-replace rename nor second names, the FUSE drivers of exFAT and FAT among
    // them. Between the look and the rename another program could create `to`, which the rename
    // would then replace; the two calls follow each other at once, and the folder is one the
    // single user of the program is renaming in, so nothing else is expected to create names
    // there meanwhile. Fails with Exists when `to` is taken, NotFound when `from` is missing,
    // NotOnThisDisk when the disk refuses the name `to`, NoSpace when the folder has no room
    // for it. On failure nothing has changed: where a driver loses a file whose rename fails
    // (fusefat), the new name is first made and removed again, which fails harmlessly.
    virtual FsResult<void> renameIfFree(std::string_view from, std::string_view to) = 0;

    // Removes the name `name`; the file goes with its last name. Fails with NotFound when there
    // is no such name. On failure nothing has changed.
    virtual FsResult<void> unlink(std::string_view name) = 0;

    // Whether `a` and `b` are two names of one file now: a second name that link gave it, which
    // a rename cut off between link and unlink leaves behind.
    virtual bool sameFile(std::string_view a, std::string_view b) = 0;
};

inline constexpr std::int64_t kUnknownFileSize = -1;

// When a file's contents last changed, to the nanosecond.
using FileTime = std::chrono::sys_time<std::chrono::nanoseconds>;

// What the folder says of one file.
struct FileFacts
{
    std::int64_t size = kUnknownFileSize; // in bytes; kUnknownFileSize when it cannot be read
    FileTime modified = {};               // only when the size is known

    bool known() const { return size != kUnknownFileSize; }
    bool operator==(const FileFacts &) const = default;
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

    // The ordinary files of `pattern`'s folder whose names match its name pattern (see
    // matchesNamePattern), in the order the directory delivers them. Ordinary files are regular
    // files and links to regular files; folders and hidden files are never listed. Fails when the
    // folder cannot be read.
    virtual FsResult<std::vector<std::string>> listFiles(const paths::FilePattern &pattern) = 0;

    // Success when `folder` exists and its contents can be read; otherwise why not (NotReady
    // for a medium that is gone or an I/O error, NoPermission, NotFound).
    virtual FsResult<void> checkFolder(const paths::FolderPath &folder) = 0;

    // The names of the folders inside `folder` (hidden ones left out), in directory order.
    virtual FsResult<std::vector<std::string>> listFolders(const paths::FolderPath &folder) = 0;

    // What can be read of the files `names` in `folder` without opening them, in the order of
    // `names`; a file whose facts cannot be read (one that vanished after it was listed, say, or
    // all when the folder cannot be opened) has kUnknownFileSize as its size. `keepGoing(done)`
    // is asked before the first name and then now and then, with how many are read so far, on
    // the calling thread; when it says no, the reading ends and nothing is returned.
    virtual std::optional<std::vector<FileFacts>>
    fileFacts(const paths::FolderPath &folder,
              std::span<const std::string> names,
              const std::function<bool(std::size_t done)> &keepGoing)
            = 0;

    // Opens `folder` for renaming files in it.
    virtual FsResult<std::unique_ptr<FolderRenamer>>
    openForRenaming(const paths::FolderPath &folder) = 0;

    // Creates the one folder `name` inside `parent` (never any missing parent). Fails with
    // Exists when the name is taken, and with InvalidName or HiddenName when checkFileName
    // refuses it.
    virtual FsResult<void> createFolder(const paths::FolderPath &parent, std::string_view name) = 0;
};

// The length limit of a file name on the common Linux file systems, in bytes.
inline constexpr std::size_t kMaxNameBytes = 255;

// InvalidName when `name` cannot be the name of one file inside a folder: empty, "." or "..",
// holding a separator or a NUL byte; NameTooLong when it is longer than `maxBytes`; HiddenName when
// the system would hide it, since the program never shows hidden files. Success otherwise.
FsResult<void> checkFileName(std::string_view name,
                             const paths::PathStyle &style,
                             std::size_t maxBytes = kMaxNameBytes);

// Whether a disk that stores the names `rule` says refuses `name`, which Linux itself takes.
bool refusedOnDisk(std::string_view name, DiskNames rule);

// The error of a call that creates the name `name` in a folder that exists on a disk that stores
// the names `rule` says. The FUSE drivers of FAT-family disks answer a name they cannot hold with
// ENOENT (exFAT) or EPERM (FAT), the kernel's with EINVAL; each is then NotOnThisDisk rather than
// a missing file or a permission.
FsError creationError(int errnoValue, std::string_view name, DiskNames rule);

} // namespace tavolin::services
