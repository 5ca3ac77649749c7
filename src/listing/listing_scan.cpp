#include "listing/listing_scan.h"

#include "listing/folder_read.h"
#include "listing/listing_lines.h"

#include <optional>

namespace tavolin::listing {

static_assert(kUnknownSize == services::kUnknownFileSize, "an unread size shows as unknown");

services::FsResult<ListingScan> scanFolder(services::FileSystem &fs,
                                           std::string_view pattern,
                                           std::int64_t numberBase,
                                           const ListingOptions &options,
                                           order::FileOrder order,
                                           services::Progress *progress)
{
    const paths::FilePattern parsed = paths::FilePattern::parse(fs.pathStyle(), pattern);
    auto read = readFolder(fs, parsed, order, options.withSize, progress);
    if (!read)
        return std::unexpected(read.error());
    if (read->end == services::WorkEnd::Stopped)
        return ListingScan{.end = services::WorkEnd::Stopped};

    const std::size_t count = read->names.size();
    ListingScan scan;
    scan.foundAny = count > 0;
    scan.namesFound = static_cast<std::int64_t>(count);
    scan.lines.reserve((count + 1) * (options.withSize ? 48 : 24));
    for (std::size_t index = 0; index < count; ++index) {
        if (read->base(index).empty())
            continue;
        if (index == 0 && options.withFolderLine)
            scan.lines
                    = AppendListLine(std::move(scan.lines), MakeFolderLine(parsed.folder.name()));
        std::optional<std::int64_t> size;
        if (options.withSize)
            size = read->facts[index].size;
        std::optional<std::int64_t> number;
        if (options.numbered)
            number = numberBase + static_cast<std::int64_t>(index) + 1;
        scan.lines = AppendListLine(std::move(scan.lines),
                                    MakeFileLine(options.withExtension
                                                         ? std::string_view(read->names[index])
                                                         : read->base(index),
                                                 number,
                                                 size));
    }
    scan.folder = parsed.folder.path();
    scan.names = std::move(read->names);
    return scan;
}

} // namespace tavolin::listing
