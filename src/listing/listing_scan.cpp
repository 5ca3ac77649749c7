#include "listing/listing_scan.h"

#include "listing/get_file_list.h"
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
    std::vector<std::string> names;
    const auto enumerated = GetFileList(fs, {folder, namePattern}, names, order, progress);
    if (!enumerated)
        return std::unexpected(enumerated.error());
    if (enumerated->stopped)
        return ListingScan{.stopped = true};

    const std::span<const std::string> files(names.data(), names.size() - 1);
    std::vector<std::int64_t> sizes;
    if (options.withSize) {
        auto read = fs.fileFacts(folder, files, [&](std::size_t done) {
            return !progress || progress->advance(done, files.size());
        });
        if (!read)
            return ListingScan{.stopped = true};
        sizes.reserve(read->size());
        for (const services::FileFacts &facts : *read)
            sizes.push_back(facts.size);
    }

    ListingScan scan;
    scan.foundAny = enumerated->foundAny;
    scan.namesFound = static_cast<std::int64_t>(files.size());
    scan.lines.reserve(names.size() * (options.withSize ? 48 : 24));

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
            size = sizes[index];
        std::optional<std::int64_t> number;
        if (options.numbered)
            number = numberBase + static_cast<std::int64_t>(index) + 1;

        scan.lines = AppendListLine(
                std::move(scan.lines),
                MakeFileLine(
                        options.withExtension ? std::string_view(name) : parts.base, number, size));
    }
    names.pop_back(); // the end mark
    scan.folder = folder.path();
    scan.names = std::move(names);
    return scan;
}

} // namespace tavolin::listing
