#pragma once

#include "listing/scanned_files.h"
#include "order/file_order.h"
#include "services/file_system.h"
#include "services/progress.h"
#include "services/work_end.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavolin::listing {

// What a file line holds; the main window's check boxes.
struct ListingOptions
{
    bool numbered = false;       // the line starts with its number and a space
    bool withExtension = false;  // the full name instead of the base name
    bool withSize = false;       // three spaces, the size and "Byte" at the end
    bool withFolderLine = false; // a line with the folder's name before the first file's line
};

class ListingScan;

// Lists the files that `pattern` names as listing lines, in `order`. File number i (0-based slot of
// the enumeration) gets the number numberBase + i + 1, so a name that gets no line (one whose base
// name is empty, such as ".txt") leaves a gap. The folder line, when asked for, comes with the
// line of slot 0 only. Sizes are read in the folder that was enumerated; a size that cannot be
// read shows as "?" and does not stop the scan. The folder is read once (see readFolder), which
// tells `progress` how far it has come. Fails only when the folder cannot be read.
services::FsResult<ListingScan> scanFolder(services::FileSystem &fs,
                                           std::string_view pattern,
                                           std::int64_t numberBase,
                                           const ListingOptions &options,
                                           order::FileOrder order,
                                           services::Progress *progress = nullptr);

// What one scan found, and the listing lines it makes.
class ListingScan
{
public:
    // What scanFolder found and what the lines are made of.
    struct Parts
    {
        // Stopped: the user stopped the scan, and nothing else here counts; else Done.
        services::WorkEnd end = services::WorkEnd::Done;
        // The folder that was read and every name enumerated, in the listing's order.
        std::shared_ptr<const ScannedFiles> files = nullptr;
        ListingOptions options = {};
        std::int64_t numberBase = 0;
        std::string folderName = {};
        std::vector<std::uint32_t> baseLengths = {}; // one per name
        std::vector<std::int64_t> sizes = {};        // one per name where sizes are shown
    };
    explicit ListingScan(Parts parts)
        : m_parts(std::move(parts))
    {}

    // Every name enumerated, also those that get no line.
    std::int64_t namesFound() const
    {
        return m_parts.files ? static_cast<std::int64_t>(m_parts.files->count()) : 0;
    }
    services::WorkEnd end() const { return m_parts.end; }
    const std::shared_ptr<const ScannedFiles> &files() const { return m_parts.files; }

    // Hands the new listing lines, joined by CR LF, to `put` in pieces of some tens of kilobytes,
    // so that a million lines are made straight into the listing, never held beside it; the
    // first piece starts with CR LF when the lines come `afterText` already in the listing. No
    // call when the scan gives no line.
    void writeLines(bool afterText, const std::function<void(std::string_view)> &put) const;

private:
    Parts m_parts;
};

} // namespace tavolin::listing
