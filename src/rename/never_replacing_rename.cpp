#include "rename/never_replacing_rename.h"

#include <string>

namespace tavolin::rename {

namespace {

using services::FsErrorKind;
using services::FsResult;

constexpr int kTemporaryNameTries = 100;

// One step that never replaces, by the first way the folder's disk knows:
// - the rename that refuses to replace (ext4, tmpfs, btrfs, xfs, kernel vfat and exfat);
// - a hard link, which cannot replace either, and the removal of the old name (file systems
//   without the refusing rename: NTFS through ntfs-3g, older FUSE drivers, network folders);
// - a look that the name is free and a plain rename, where the disk has neither (the FUSE
//   drivers of exFAT and FAT); see FolderRenamer::renameIfFree for why that is safe enough.
FsResult<void> move(services::FolderRenamer &folder, std::string_view from, std::string_view to)
{
    auto renamed = folder.renameNoReplace(from, to);
    if (renamed || renamed.error().kind != FsErrorKind::NotSupported)
        return renamed;
    auto linked = folder.link(from, to);
    if (!linked && linked.error().kind == FsErrorKind::NotSupported)
        return folder.renameIfFree(from, to);
    if (!linked)
        return linked;
    auto removed = folder.unlink(from);
    if (!removed) {
        // The file has both names now; a rename that fails must leave only the old one.
        (void)folder.unlink(to);
    }
    return removed;
}

// A file system that ignores case calls the new name of a.txt -> A.txt taken, by the file
// itself. Two steps through a temporary name in the same folder do it; the name is visible so
// that a file stranded there by a failure is seen in the listing.
FsResult<void>
changeCaseOnly(services::FolderRenamer &folder, std::string_view from, std::string_view to)
{
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        const std::string temporary = "tavolin-rename-" + std::to_string(attempt) + ".tmp";
        auto away = move(folder, from, temporary);
        if (!away && away.error().kind == FsErrorKind::Exists)
            continue;
        if (!away)
            return away;
        auto back = move(folder, temporary, to);
        if (!back)
            (void)move(folder, temporary, from);
        return back;
    }
    return std::unexpected(services::FsError{FsErrorKind::Exists, "no free temporary name"});
}

} // namespace

FsResult<void>
renameNeverReplacing(services::FolderRenamer &folder, std::string_view from, std::string_view to)
{
    for (const std::string_view name : {from, to}) {
        if (auto valid = services::checkFileName(name, folder.pathStyle(), folder.maxNameBytes());
            !valid)
            return valid;
    }
    auto moved = move(folder, from, to);
    if (moved || moved.error().kind != FsErrorKind::Exists)
        return moved;
    if (const auto file = folder.identify(from); !file || file != folder.identify(to))
        return moved;
    return changeCaseOnly(folder, from, to);
}

} // namespace tavolin::rename
