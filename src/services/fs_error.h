#pragma once

#include <expected>
#include <string>

namespace tavolin::services {

// Why a file-system operation failed. The windows choose their message by kind, and for Other by
// the system's error number; `detail` is the system's own English wording, for logs and tests.
enum class FsErrorKind {
    NotReady,      // the drive or medium does not answer (I/O error, no medium)
    Disconnected,  // the disk went away while in use (a card pulled, its FUSE driver ended)
    NotFound,      // the file or folder does not exist
    Exists,        // the target name is taken
    InvalidName,   // not one valid file name: empty, ".", "..", a separator, NUL
    NameTooLong,   // longer than the disk takes
    HiddenName,    // a name the system hides (one starting with "."): the program could not see it
    NoPermission,  // the system refused access
    ReadOnly,      // the disk is mounted read-only (a locked card, a disk mounted to be read)
    NotOnThisDisk, // a name this disk cannot hold, though Linux could (a "?" on a FAT card)
    NotAFolder,    // a part of the path that should be a folder is a file
    IsAFolder,     // a file was expected and the path names a folder
    NoSpace,       // the file system is full
    NotSupported,  // the file system cannot do this (a flag or a call it does not know)
    Other,
};

struct FsError
{
    FsErrorKind kind = FsErrorKind::Other;
    std::string detail;
    // A file rewritten in place whose old content could not be put back: where a copy of it is.
    std::string keptCopy = {};
    int systemError = 0; // errno, where the system said why
};

template<typename T>
using FsResult = std::expected<T, FsError>;

// Maps an errno value to its kind, keeping the number and strerror's text.
FsError fsErrorFromErrno(int errnoValue);

} // namespace tavolin::services
