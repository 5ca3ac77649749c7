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
        return ListingScan({.end = services::WorkEnd::Stopped});

    ListingScan::Parts scan{
            .files = std::make_shared<const ScannedFiles>(parsed.folder.path(), read->names),
            .options = options,
            .numberBase = numberBase,
            .folderName = parsed.folder.name(),
            .baseLengths = std::move(read->baseLengths)};
    if (options.withSize) {
        scan.sizes.reserve(read->facts.size());
        for (const services::FileFacts &facts : read->facts)
            scan.sizes.push_back(facts.size);
    }
    return ListingScan(std::move(scan));
}

void ListingScan::writeLines(bool afterText, const std::function<void(std::string_view)> &put) const
{
    constexpr std::size_t kPiece = 64 * 1024;
    std::string piece;
    std::size_t index = 0;
    bool first = !afterText;
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
    m_parts.files->forEachName([&](std::string_view name) {
        const std::size_t at = index++;
        const std::string_view base = name.substr(0, m_parts.baseLengths[at]);
        if (base.empty())
            return;
        if (at == 0 && m_parts.options.withFolderLine)
            line(MakeFolderLine(m_parts.folderName));
        std::optional<std::int64_t> size;
        if (m_parts.options.withSize)
            size = m_parts.sizes[at];
        std::optional<std::int64_t> number;
        if (m_parts.options.numbered)
            number = m_parts.numberBase + static_cast<std::int64_t>(at) + 1;
        line(MakeFileLine(m_parts.options.withExtension ? name : base, number, size));
    });
    if (!piece.empty())
        put(piece);
}

} // namespace tavolin::listing
