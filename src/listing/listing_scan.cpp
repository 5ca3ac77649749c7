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
    ListingScan scan{.namesFound = static_cast<std::int64_t>(count),
                     .foundAny = count > 0,
                     .files
                     = std::make_shared<const ScannedFiles>(parsed.folder.path(), read->names),
                     .options = options,
                     .numberBase = numberBase,
                     .folderName = parsed.folder.name(),
                     .baseLengths = std::move(read->baseLengths)};
    if (options.withSize) {
        scan.sizes.reserve(count);
        for (const services::FileFacts &facts : read->facts)
            scan.sizes.push_back(facts.size);
    }
    return scan;
}

void ListingScan::writeLines(const std::function<void(std::string_view)> &put) const
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    std::size_t index = 0;
    bool first = true;
    const auto line = [&](std::string_view text) {
        if (!first)
            piece += kLineEnd;
        first = false;
        piece += text;
        if (piece.size() >= kPiece) {
            put(piece);
            piece.clear();
        }
    };
    files->forEachName([&](std::string_view name) {
        const std::size_t at = index++;
        const std::string_view base = name.substr(0, baseLengths[at]);
        if (base.empty())
            return;
        if (at == 0 && options.withFolderLine)
            line(MakeFolderLine(folderName));
        std::optional<std::int64_t> size;
        if (options.withSize)
            size = sizes[at];
        std::optional<std::int64_t> number;
        if (options.numbered)
            number = numberBase + static_cast<std::int64_t>(at) + 1;
        line(MakeFileLine(options.withExtension ? name : base, number, size));
    });
    if (!piece.empty())
        put(piece);
}

} // namespace tavolin::listing
