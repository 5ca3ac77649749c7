#include "services/fs_error.h"

#include <cerrno>
#include <cstring>

namespace tavolin::services {

FsError fsErrorFromErrno(int errnoValue)
{
    FsErrorKind kind = FsErrorKind::Other;
    switch (errnoValue) {
    case ENOENT:
        kind = FsErrorKind::NotFound;
        break;
    case ENOTDIR:
        kind = FsErrorKind::NotAFolder;
        break;
    case EEXIST:
    case ENOTEMPTY:
        kind = FsErrorKind::Exists;
        break;
    case EISDIR:
        kind = FsErrorKind::IsAFolder;
        break;
    case EACCES:
    case EPERM:
        kind = FsErrorKind::NoPermission;
        break;
    case EROFS:
        kind = FsErrorKind::ReadOnly;
        break;
    case EINVAL: // what FAT-family disks answer for a name with a character they do not take
        kind = FsErrorKind::NotOnThisDisk;
        break;
    case ENAMETOOLONG:
        kind = FsErrorKind::NameTooLong;
        break;
    case EILSEQ:
        kind = FsErrorKind::InvalidName;
        break;
    case ENOSPC:
    case EDQUOT:
        kind = FsErrorKind::NoSpace;
        break;
    case ENOSYS:
    case EOPNOTSUPP:
        kind = FsErrorKind::NotSupported;
        break;
    case EIO:
    case ENXIO:
    case ENOMEDIUM:
        kind = FsErrorKind::NotReady;
        break;
    // What a FUSE disk answers once its driver is gone, and a network disk once it is cut off.
    case ENOTCONN:
    case ECONNABORTED:
    case ECONNRESET:
    case ESHUTDOWN:
    case ENODEV:
    case ESTALE:
        kind = FsErrorKind::Disconnected;
        break;
    default:
        break;
    }
    return FsError{kind, std::strerror(errnoValue), {}, errnoValue};
}

} // namespace tavolin::services
