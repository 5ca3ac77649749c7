#include "listing/listing_scan.h"

#include "listing/listing_lines.h"
#include "listing/split_extension.h"

#include <optional>
#include <vector>

namespace tavolin::listing {

static_assert(kUnknownSize == services::kUnknownFileSize, "an unread size shows as unknown");

services::FsResult<ListingScan> scanFolder(services::FileSystem &fs,
                                           std::string_view pattern,
                                           std::int64_t numberBase,
                                           const ListingOptions &options,
                                           order::FileOrder order,
                                           services::Progress *progress)
{
    const auto [folder, namePattern] = paths::FilePattern::parse(fs.pathStyle(), pattern);
    // The sizes come from the same reading of each file as an order by date or size takes.
    auto read
            = order::readSortedFiles(fs, {folder, namePattern}, order, options.withSize, progress);
    if (!read)
        return std::unexpected(read.error());
    if (read->stopped)
        return ListingScan{.stopped = true};
    std::vector<std::string> &names = read->names;
    const std::span<const std::string> files(names);

    ListingScan scan;
    scan.foundAny = !files.empty();
    scan.namesFound = static_cast<std::int64_t>(files.size());
    scan.lines.reserve((names.size() + 1) * (options.withSize ? 48 : 24));

    for (std::size_t index = 0; index < files.size(); ++index) {
        if (progress && !options.withSize && !progress->advance(index, files.size()))
            return ListingScan{.stopped = true};
        const std::string &name = files[index];
        NameParts parts = SplitExtension(name);
        if (parts.base.empty())
            continue;
        if (index == 0 && options.withFolderLine)
            scan.lines = AppendListLine(std::move(scan.lines), MakeFolderLine(folder.name()));

        std::optional<std::int64_t> size;
        if (options.withSize)
            size = read->facts[index].size;
        std::optional<std::int64_t> number;
        if (options.numbered)
            number = numberBase + static_cast<std::int64_t>(index) + 1;

        scan.lines = AppendListLine(
                std::move(scan.lines),
                MakeFileLine(
                        options.withExtension ? std::string_view(name) : parts.base, number, size));
    }
    scan.folder = folder.path();
    scan.names = std::move(names);
    return scan;
}

} // namespace tavolin::listing
