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
    scan.files = std::make_shared<const ScannedFiles>(parsed.folder.path(), read->names);
    // From here on the names are read from the packed ones: a million names unpacked beside the
    // listing's lines would cost about as much again.
    std::vector<std::string>().swap(read->names);
    scan.lines.reserve((count + 1) * (options.withSize ? 48 : 24));
    std::size_t index = 0;
    scan.files->forEachName([&](std::string_view name) {
        const std::size_t at = index++;
        const std::string_view base = name.substr(0, read->baseLengths[at]);
        if (base.empty())
            return;
        if (at == 0 && options.withFolderLine)
            scan.lines
                    = AppendListLine(std::move(scan.lines), MakeFolderLine(parsed.folder.name()));
        std::optional<std::int64_t> size;
        if (options.withSize)
            size = read->facts[at].size;
        std::optional<std::int64_t> number;
        if (options.numbered)
            number = numberBase + static_cast<std::int64_t>(at) + 1;
        scan.lines
                = AppendListLine(std::move(scan.lines),
                                 MakeFileLine(options.withExtension ? name : base, number, size));
    });
    return scan;
}

} // namespace tavolin::listing
